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
    if (role == Qt::DisplayRole)
        return shownText(QIdentityProxyModel::data(index, role));
    if (role != Qt::DecorationRole && role != Qt::AccessibleTextRole)
        return QIdentityProxyModel::data(index, role);
    // A cell that shows only a picture reads as what the picture means.
    const QVariant value = QIdentityProxyModel::data(index, Qt::DecorationRole);
    if (!value.canConvert<ResultPicture>())
        return role == Qt::DecorationRole ? value : QVariant();
    const bool picture = role == Qt::DecorationRole;
    switch (value.value<ResultPicture>()) {
    case ResultPicture::Audio:
        return picture ? QVariant(Artwork::smallImage(Artwork::AudioImage)) : QVariant(tr("Audio"));
    case ResultPicture::Video:
        return picture ? QVariant(Artwork::smallImage(Artwork::VideoImage)) : QVariant(tr("Video"));
    case ResultPicture::None:
        break;
    }
    return {};
}

QVariant ResultsIconModel::shownText(const QVariant& value)
{
    // The results keep the parser's placeholders in English (they are compared, copied and
    // stored); the grid shows them in the reader's language.
    const QString text = value.toString();
    if (text == QLatin1String("Unknown"))
        return tr("Unknown");
    if (text == QLatin1String("Internet Based"))
        return tr("Internet Based");
    return value;
}

int ResultsIconModel::columnCount(const QModelIndex& parent) const
{
    // The grid has the columns a person sees; links and sort keys stay in the results model.
    return std::min(m_shownColumns, QIdentityProxyModel::columnCount(parent));
}

void ResultsIconModel::setShownColumns(int count)
{
    if (count == m_shownColumns)
        return;
    beginResetModel();
    m_shownColumns = count;
    endResetModel();
}

QVariant ResultsIconModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The archive rows' picture column has no caption on screen; a screen reader names it.
    if (role == Qt::AccessibleTextRole && orientation == Qt::Horizontal &&
        QIdentityProxyModel::headerData(section, orientation, Qt::DisplayRole).toString().isEmpty() &&
        index(0, section).data(Qt::DecorationRole).isValid())
        return tr("Type");
    return QIdentityProxyModel::headerData(section, orientation, role);
}
