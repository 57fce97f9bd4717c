#include "collections/BookmarkModel.h"

#include <algorithm>

namespace {
// Past this many separate runs of rows, telling the view run by run costs more than letting it
// start over: each run moves the rest of the list once.
constexpr qsizetype kMaxToldRuns = 64;

struct Run
{
    int first;
    int last;
};

QList<Run> runsOf(const QList<int>& ascending)
{
    QList<Run> runs;
    for (const int row : ascending) {
        if (!runs.isEmpty() && runs.last().last + 1 == row)
            runs.last().last = row;
        else
            runs.append({row, row});
    }
    return runs;
}
} // namespace

int BookmarkModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.count();
}

QVariant BookmarkModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Bookmark& bookmark = m_list.at(index.row());
    if (role == Qt::DisplayRole)
        return bookmark.text;
    if (role == LinkRole)
        return bookmark.link;
    return {};
}

BookmarkLoad BookmarkModel::load(const QString& folder)
{
    beginResetModel();
    const BookmarkLoad result = m_list.load(folder);
    endResetModel();
    return result;
}

void BookmarkModel::append(const QList<Bookmark>& bookmarks)
{
    if (bookmarks.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_list.count(), m_list.count() + int(bookmarks.size()) - 1);
    for (const Bookmark& bookmark : bookmarks)
        m_list.append(bookmark);
    endInsertRows();
}

void BookmarkModel::removeEach(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= m_list.count(); });
    const QList<Run> runs = runsOf(rows);
    if (runs.size() > kMaxToldRuns) {
        beginResetModel();
        m_list.removeEach(rows);
        endResetModel();
        return;
    }
    // From the bottom up, so the rows of the runs still to go keep their numbers.
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        beginRemoveRows(QModelIndex(), run->first, run->last);
        m_list.remove(run->first, run->last - run->first + 1);
        endRemoveRows();
    }
}
