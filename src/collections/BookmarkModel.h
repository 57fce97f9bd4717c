#pragma once

#include <QAbstractListModel>

#include "collections/BookmarkList.h"

// The bookmarks list as a view shows it: one row per bookmark, its display text and, under
// LinkRole, its link. The model is the list's only writer, so a view and the file never differ.
class BookmarkModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int LinkRole = Qt::UserRole;

    explicit BookmarkModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    const BookmarkList& list() const { return m_list; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Replaces the rows with the file's contents (see BookmarkList::load).
    BookmarkLoad load(const QString& folder);
    bool save(const QString& folder, QString& error) const { return m_list.save(folder, error); }
    void append(const QList<Bookmark>& bookmarks);
    // Removes the given rows, in any order; rows outside the list are ignored.
    void removeEach(QList<int> rows);

private:
    BookmarkList m_list;
};
