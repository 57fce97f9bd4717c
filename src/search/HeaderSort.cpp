#include "search/HeaderSort.h"

#include "search/ResultsModel.h"

HeaderSort::Key HeaderSort::click(int column, bool archive)
{
    m_order = m_order == kTextAscending ? kTextDescending : kTextAscending;
    return keyFor(column, archive, m_order == kTextAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

HeaderSort::Key HeaderSort::keyFor(int column, bool archive, Qt::SortOrder order)
{
    if (archive) {
        switch (column) {
        case ResultsModel::ArchivePicture:
            return {ResultsModel::ArchiveFlag, true, order};
        case ResultsModel::ArchiveLength:
            return {ResultsModel::ArchiveSeconds, true, order};
        case ResultsModel::ArchiveSpeed:
            return {ResultsModel::ArchiveSpeedValue, true, order};
        default:
            break;
        }
    } else if (column == ResultsModel::LiveSpeed) {
        return {ResultsModel::LiveSpeedValue, true, order};
    }
    return {column, false, order};
}
