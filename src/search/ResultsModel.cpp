#include "search/ResultsModel.h"

#include <array>

#include "search/NumericText.h"

#include <algorithm>
#include <numeric>

namespace {
// Text order by code point: UTF-16 order puts characters above U+FFFF (surrogate pairs)
// before U+E000-U+FFFF, so surrogates are moved above them before comparing.
char16_t codePointRank(char16_t unit)
{
    if (unit < 0xD800)
        return unit;
    return unit >= 0xE000 ? char16_t(unit - 0x800) : char16_t(unit + 0x2000);
}

bool codePointLess(QStringView left, QStringView right)
{
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype at = 0; at < common; ++at) {
        const char16_t a = left[at].unicode();
        const char16_t b = right[at].unicode();
        if (a != b)
            return codePointRank(a) < codePointRank(b);
    }
    return left.size() < right.size();
}
} // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent), m_rows(1), m_headers(kColumnCount)
{}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ResultRow& row = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return row.cell(index.column());
    if (role == Qt::DecorationRole && index.column() == 0 && row.picture() != ResultPicture::None)
        return QVariant::fromValue(row.picture());
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
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).cell(column);
}

ResultPicture ResultsModel::picture(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).picture() : ResultPicture::None;
}

QString ResultsModel::header(int column) const
{
    return m_headers.value(column);
}

void ResultsModel::resetForSearch()
{
    beginResetModel();
    m_rows = QList<ResultRow>(1);
    m_headers = QStringList(kColumnCount);
    m_placeholder = true;
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void ResultsModel::appendRecords(QList<ResultRow> rows)
{
    if (rows.isEmpty())
        return;
    auto first = rows.begin();
    if (m_placeholder) {
        fillPlaceholder(std::move(*first));
        ++first;
    }
    if (first == rows.end())
        return;
    const auto start = static_cast<int>(m_rows.size());
    const auto count = static_cast<int>(std::distance(first, rows.end()));
    beginInsertRows(QModelIndex(), start, start + count - 1);
    std::move(first, rows.end(), std::back_inserter(m_rows));
    endInsertRows();
}

void ResultsModel::fillPlaceholder(ResultRow row)
{
    if (m_rows.isEmpty()) {
        beginInsertRows(QModelIndex(), 0, 0);
        m_rows.append(std::move(row));
        endInsertRows();
    } else {
        m_rows.first() = std::move(row);
        Q_EMIT dataChanged(index(0, 0), index(0, kColumnCount - 1));
    }
    m_placeholder = false;
}

void ResultsModel::clearCells()
{
    for (ResultRow& row : m_rows)
        row = ResultRow();
    m_headers = QStringList(kColumnCount);
    if (!m_rows.isEmpty())
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
    if (column < 0 || column >= kColumnCount || m_rows.size() < 2)
        return;
    QList<int> permutation(m_rows.size());
    std::iota(permutation.begin(), permutation.end(), 0);
    const bool ascending = order == Qt::AscendingOrder;
    if (kind == SortKind::Number) {
        QList<double> values;
        values.reserve(m_rows.size());
        for (const ResultRow& row : std::as_const(m_rows))
            values.append(NumericText::value(row.cellView(column)));
        std::stable_sort(permutation.begin(), permutation.end(), [&](int a, int b) {
            return ascending ? values.at(a) < values.at(b) : values.at(b) < values.at(a);
        });
    } else {
        std::stable_sort(permutation.begin(), permutation.end(), [&](int a, int b) {
            const QStringView left = m_rows.at(a).cellView(column);
            const QStringView right = m_rows.at(b).cellView(column);
            return ascending ? codePointLess(left, right) : codePointLess(right, left);
        });
    }
    reorder(permutation);
}

void ResultsModel::reorder(const QList<int>& newOrder)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> newPosition(newOrder.size());
    QList<ResultRow> sorted;
    sorted.reserve(m_rows.size());
    for (int at = 0; at < newOrder.size(); ++at) {
        newPosition[newOrder.at(at)] = at;
        sorted.append(std::move(m_rows[newOrder.at(at)]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newPosition.at(old.row()), old.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
