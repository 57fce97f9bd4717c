#pragma once

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

// One row of the results grid: ten text cells and the picture of cell 0. The cells share one
// string, so a row costs one allocation however many cells it fills; large result pages stay
// small in memory. A cell longer than kCellLimit characters is cut there and ends in an
// ellipsis, so a row costs at most a few tens of KiB and no repaint lays out megabytes.
class ResultRow
{
public:
    static constexpr int kColumnCount = 10;
    static constexpr qsizetype kCellLimit = 2048;
    using Cells = std::array<QStringView, kColumnCount>;

    ResultRow() = default;
    explicit ResultRow(const Cells& cells, ResultPicture picture = ResultPicture::None);

    QStringView cellView(int column) const;
    QString cell(int column) const { return cellView(column).toString(); }
    ResultPicture picture() const { return m_picture; }
    // What the row takes in memory: its own size, its text and the text's allocation.
    qsizetype byteSize() const;

private:
    QString m_text;
    // End of each cell in m_text; a cell starts where the one before it ends.
    std::array<quint32, kColumnCount> m_ends{};
    ResultPicture m_picture = ResultPicture::None;
};
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE);
