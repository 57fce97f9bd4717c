#include "search/ResultsModel.h"

#include <array>

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent), m_headers(kColumnCount) {}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_placeholder ? 1 : m_shown;
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole)
        return m_rows.cell(index.row(), index.column());
    const ResultPicture picture = m_rows.picture(index.row());
    if (role == Qt::DecorationRole && index.column() == 0 && picture != ResultPicture::None)
        return QVariant::fromValue(picture);
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
        return {};
    return m_headers.at(section);
}

void ResultsModel::sort(int column, Qt::SortOrder order)
{
    sortRows(column, order, SortKind::Text);
}

QString ResultsModel::cell(int row, int column) const
{
    return row < rowCount() ? m_rows.cell(row, column) : QString();
}

ResultPicture ResultsModel::picture(int row) const
{
    return row < rowCount() ? m_rows.picture(row) : ResultPicture::None;
}

QString ResultsModel::header(int column) const
{
    return m_headers.value(column);
}

void ResultsModel::resetForSearch()
{
    beginResetModel();
    m_rows.release();
    m_shown = 0;
    m_headers = QStringList(kColumnCount);
    m_placeholder = true;
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void ResultsModel::appendRecords(const QList<ResultRow>& rows)
{
    for (const ResultRow& row : rows)
        m_rows.append(row);
    showAddedRows();
}

qsizetype ResultsModel::addRow(const ResultRow::Cells& cells, ResultPicture picture)
{
    return m_rows.append(cells, picture);
}

void ResultsModel::showAddedRows()
{
    if (m_rows.size() == m_shown)
        return;
    if (m_placeholder) {
        m_placeholder = false;
        m_shown = 1;
        Q_EMIT dataChanged(index(0, 0), index(0, kColumnCount - 1));
    }
    if (m_rows.size() == m_shown)
        return;
    beginInsertRows(QModelIndex(), m_shown, m_rows.size() - 1);
    m_shown = m_rows.size();
    endInsertRows();
}

void ResultsModel::clearCells()
{
    m_rows.clearCells();
    m_headers = QStringList(kColumnCount);
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void ResultsModel::setHeaders(const QStringList& headers)
{
    for (int column = 0; column < kColumnCount; ++column)
        m_headers[column] = headers.value(column);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void ResultsModel::setHeader(int column, const QString& text)
{
    if (column < 0 || column >= kColumnCount)
        return;
    m_headers[column] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

void ResultsModel::writeModeHeaders(bool archive)
{
    using Captions = std::array<const char*, 4>;
    static constexpr Captions live{QT_TR_NOOP("Station"), QT_TR_NOOP("Format"), QT_TR_NOOP("Location"),
                                   QT_TR_NOOP("Speed Kb/s")};
    static constexpr Captions clips{QT_TR_NOOP("Len"), QT_TR_NOOP("BPS"), QT_TR_NOOP("Title"),
                                    QT_TR_NOOP("Additional")};
    const Captions& texts = archive ? clips : live;
    const int first = archive ? int{ArchiveLength} : int{LiveStation};
    for (int at = 0; at < int(texts.size()); ++at)
        m_headers[first + at] = tr(texts.at(std::size_t(at)));
    Q_EMIT headerDataChanged(Qt::Horizontal, first, first + static_cast<int>(texts.size()) - 1);
}

void ResultsModel::sortRows(int column, Qt::SortOrder order, SortKind kind)
{
    showAddedRows();
    if (column < 0 || column >= kColumnCount || m_rows.size() < 2)
        return;
    reorder(m_rows.sortedOrder(column, order,
                               kind == SortKind::Number ? ResultRows::Key::Number : ResultRows::Key::Text));
}

void ResultsModel::reorder(const QList<int>& newOrder)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> newPosition(newOrder.size());
    for (int at = 0; at < newOrder.size(); ++at)
        newPosition[newOrder.at(at)] = at;
    m_rows.reorder(newOrder);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newPosition.at(old.row()), old.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
