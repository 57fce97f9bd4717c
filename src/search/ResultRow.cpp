#include "search/ResultRow.h"

#include "search/ResultRows.h"

#include <QStringEncoder>

#include <algorithm>

namespace {
constexpr QChar kEllipsis(0x2026);
// The most bytes one UTF-16 unit takes in UTF-8.
constexpr qsizetype kBytesPerUnit = 3;

// The cell as shown: whole, or cut at the limit without splitting a surrogate pair.
QStringView shownPart(QStringView cell, bool& cut)
{
    cut = cell.size() > ResultRow::kCellLimit;
    if (!cut)
        return cell;
    return cell.left(cell.at(ResultRow::kCellLimit - 1).isHighSurrogate() ? ResultRow::kCellLimit - 1
                                                                          : ResultRow::kCellLimit);
}
} // namespace

ResultRow::ResultRow(const Cells& cells, ResultPicture picture) : m_picture(picture)
{
    m_text.resize(room(cells));
    m_ends = encode(cells, m_text.data());
    m_text.truncate(m_ends.back());
}

qsizetype ResultRow::room(const Cells& cells)
{
    qsizetype bytes = 0;
    for (const QStringView cell : cells)
        bytes += (std::min(cell.size(), kCellLimit) + 1) * kBytesPerUnit;
    return bytes;
}

ResultRow::Ends ResultRow::encode(const Cells& cells, char* out)
{
    // Stateless, so that a lone surrogate at the end of one cell does not reach into the next.
    QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    char* const start = out;
    Ends ends{};
    for (int column = 0; column < kColumnCount; ++column) {
        bool cut = false;
        out = encoder.appendToBuffer(out, shownPart(cells[std::size_t(column)], cut));
        if (cut)
            out = encoder.appendToBuffer(out, QStringView(&kEllipsis, 1));
        ends[std::size_t(column)] = static_cast<quint16>(out - start);
    }
    return ends;
}

QByteArrayView ResultRow::cellOf(QByteArrayView row, const Ends& ends, int column)
{
    if (column < 0 || column >= kColumnCount)
        return {};
    const quint16 start = column == 0 ? 0 : ends[std::size_t(column - 1)];
    return row.sliced(start, ends[std::size_t(column)] - start);
}

QByteArrayView ResultRow::cellUtf8(int column) const
{
    return cellOf(m_text, m_ends, column);
}

QString ResultRow::cell(int column) const
{
    return QString::fromUtf8(cellUtf8(column));
}

qsizetype ResultRow::byteSize() const
{
    return ResultRows::kRowBytes + m_text.size();
}
