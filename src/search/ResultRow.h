#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QTypeInfo>

#include <array>

// The picture of an archive row's first cell; the window maps it to its icon.
enum class ResultPicture : quint8
{
    None,
    Audio, // loudspeaker
    Video  // screen
};
Q_DECLARE_METATYPE(ResultPicture)

// One row of the results grid: ten text cells and the picture of cell 0, kept as a page's rows
// keep them (ResultRows): the cells one after another in UTF-8. A cell longer than kCellLimit
// characters is cut there and ends in an ellipsis, so a row costs at most a few tens of KiB and
// no repaint lays out megabytes.
class ResultRow
{
public:
    static constexpr int kColumnCount = 10;
    static constexpr qsizetype kCellLimit = 2048;
    using Cells = std::array<QStringView, kColumnCount>;
    // End of each cell in the row's text; a cell starts where the one before it ends. A cut cell
    // takes at most 3 bytes for each of its characters and 3 for the ellipsis, so a row of ten
    // fits 16 bits.
    using Ends = std::array<quint16, kColumnCount>;

    ResultRow() = default;
    explicit ResultRow(const Cells& cells, ResultPicture picture = ResultPicture::None);

    QString cell(int column) const;
    QByteArrayView cellUtf8(int column) const;
    ResultPicture picture() const { return m_picture; }
    // What the row takes among a page's rows.
    qsizetype byteSize() const;

    // The most bytes encode() writes for these cells.
    static qsizetype room(const Cells& cells);
    // Writes the cells, cut, in UTF-8 from out on and returns where each ends, counted from out.
    static Ends encode(const Cells& cells, char* out);
    // The cell of a row whose text starts at row.
    static QByteArrayView cellOf(QByteArrayView row, const Ends& ends, int column);

private:
    QByteArray m_text;
    Ends m_ends{};
    ResultPicture m_picture = ResultPicture::None;
};
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE);
