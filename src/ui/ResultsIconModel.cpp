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
    if (role == Qt::AccessibleTextRole)
        return pictureName(index);
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

QVariant ResultsIconModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The archive rows' picture column has no caption on screen; a screen reader names it.
    if (role == Qt::AccessibleTextRole && orientation == Qt::Horizontal &&
        QIdentityProxyModel::headerData(section, orientation, Qt::DisplayRole).toString().isEmpty() &&
        index(0, section).data(Qt::DecorationRole).isValid())
        return QStringLiteral("Type");
    return QIdentityProxyModel::headerData(section, orientation, role);
}

QVariant ResultsIconModel::pictureName(const QModelIndex& index) const
{
    // A cell that shows only a picture reads as what the picture means.
    const QVariant picture = QIdentityProxyModel::data(index, Qt::DecorationRole);
    if (!picture.canConvert<ResultPicture>())
        return {};
    switch (picture.value<ResultPicture>()) {
    case ResultPicture::Audio:
        return QStringLiteral("Audio");
    case ResultPicture::Video:
        return QStringLiteral("Video");
    case ResultPicture::None:
        break;
    }
    return {};
}
