#pragma once

#include <QList>
#include <QString>

// One kept clip: the text the list shows and the stream link it plays.
struct Bookmark
{
    QString text;
    QString link;

    bool operator==(const Bookmark&) const = default;
};
// Two implicitly shared strings move as plain bytes: a long list grows without copying each one.
Q_DECLARE_TYPEINFO(Bookmark, Q_RELOCATABLE_TYPE);

// What an archive row of the results grid gives a bookmark.
struct BookmarkRow
{
    QString title;
    QString additional;
    QString link;
};

// What load() found. A file that exists but cannot be read or understood is never overwritten:
// it is renamed to movedAside and the list starts empty.
struct BookmarkLoad
{
    // Empty when the file was missing or read; otherwise why it could not be used.
    QString problem;
    // Where the unusable file now lies; empty when it could not be moved either.
    QString movedAside;
    bool failed() const { return !problem.isEmpty(); }
};

// The ordered bookmarks list and its file, "Bookmarks.lst" in the data folder.
class BookmarkList
{
public:
    static inline const QString kFileName = QStringLiteral("Bookmarks.lst");
    // A file larger than this is not a bookmarks file this program wrote.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

    // "Title [ Additional]"; an empty Additional still leaves " [ " and "]".
    static QString displayText(const QString& title, const QString& additional);
    static Bookmark fromRow(const BookmarkRow& row);
    static QString filePath(const QString& folder);

    int count() const { return int(m_items.size()); }
    const Bookmark& at(int index) const { return m_items.at(index); }
    const QList<Bookmark>& items() const { return m_items; }
    bool containsLink(const QString& link) const;

    void append(const Bookmark& bookmark) { m_items.append(bookmark); }
    void remove(int first, int count = 1) { m_items.remove(first, count); }
    // Removes the items at the given indexes, which run upward, in one pass over the list.
    void removeEach(const QList<int>& ascending);
    void clear() { m_items.clear(); }

    // Replaces the list with the file's contents. A missing file gives an empty list.
    BookmarkLoad load(const QString& folder);
    // Writes the whole list at once: either the new file is complete or the old one is left
    // as it was. On failure returns false and puts the reason in error.
    bool save(const QString& folder, QString& error) const;

    // The file's contents for a list, and back. parse() returns false for anything it does
    // not fully understand; the list is then left unchanged.
    static QByteArray serialize(const QList<Bookmark>& items);
    static bool parse(const QByteArray& data, QList<Bookmark>& items, QString& error);

private:
    // True once an unusable file could not be moved aside: saving would destroy it.
    bool m_keepFile = false;
    QString m_keptFile;
    QList<Bookmark> m_items;
};
