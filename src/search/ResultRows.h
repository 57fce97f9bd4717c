#pragma once

#include "platform/LargeArray.h"
#include "search/ResultRow.h"

#include <QList>

// The rows of a results page kept compactly: the text of every cell in one block of UTF-8, and
// for each row where its text starts, where each of its cells ends, and its picture. A page
// costs its text once and 32 bytes a row, with no allocation per row; sorting moves only the
// 32-byte entries. UTF-8 keeps most pages at half the size of UTF-16, and its byte order is the
// code point order the grid sorts by.
class ResultRows
{
public:
    struct Entry
    {
        qsizetype start = 0;
        ResultRow::Ends ends{};
        ResultPicture picture = ResultPicture::None;
    };
    // What a row costs besides its text.
    static constexpr qsizetype kRowBytes = sizeof(Entry);

    int size() const { return static_cast<int>(m_entries.size()); }
    // The rows and their memory go.
    void release();

    // Returns what the row costs (kRowBytes and its text).
    qsizetype append(const ResultRow::Cells& cells, ResultPicture picture = ResultPicture::None);
    void append(const ResultRow& row);

    QByteArrayView cellUtf8(int row, int column) const;
    QString cell(int row, int column) const { return QString::fromUtf8(cellUtf8(row, column)); }
    ResultPicture picture(int row) const;
    // Every row keeps its place with empty cells and no picture.
    void clearCells();

    // The order of the rows sorted on one column, stable: equal keys keep their order. Text
    // sorts by code point, Number by the numeric value of the text.
    enum class Key
    {
        Text,
        Number
    };
    QList<int> sortedOrder(int column, Qt::SortOrder order, Key key) const;
    // Row at of the result is row order[at] of these.
    void reorder(const QList<int>& order);

private:
    QList<int> textOrder(int column, bool ascending) const;
    QList<int> numberOrder(int column, bool ascending) const;

    LargeArray<Entry> m_entries;
    LargeArray<char> m_text;
};
Q_DECLARE_TYPEINFO(ResultRows::Entry, Q_PRIMITIVE_TYPE);
