#include "ui/ResultsIconModel.h"

#include "search/ResultRow.h"
#include "search/ResultsModel.h"
#include "ui/Artwork.h"

ResultsIconModel::ResultsIconModel(ResultsModel& source, QObject* parent) : QIdentityProxyModel(parent)
{
    setSourceModel(&source);
}

QVariant ResultsIconModel::data(const QModelIndex& index, int role) const
{
    const QVariant value = QIdentityProxyModel::data(index, role);
    if (role != Qt::DecorationRole || !value.canConvert<ResultPicture>())
        return value;
    switch (value.value<ResultPicture>()) {
    case ResultPicture::Audio:
        return Artwork::smallImage(Artwork::AudioImage);
    case ResultPicture::Video:
        return Artwork::smallImage(Artwork::VideoImage);
    case ResultPicture::None:
        break;
    }
    return {};
}
