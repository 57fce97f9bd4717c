#include "search/ResultRow.h"

#include <algorithm>

namespace {
constexpr QChar kEllipsis(0x2026);
// A string's header and the allocator's own bookkeeping.
constexpr qsizetype kAllocationOverhead = 32;
} // namespace

ResultRow::ResultRow(const Cells& cells, ResultPicture picture) : m_picture(picture)
{
    qsizetype length = 0;
    for (const QStringView cell : cells)
        length += std::min(cell.size(), kCellLimit + 1);
    m_text.reserve(length);
    for (int column = 0; column < kColumnCount; ++column) {
        const QStringView cell = cells[static_cast<size_t>(column)];
        if (cell.size() > kCellLimit) {
            // A surrogate pair is not split.
            const qsizetype cut = cell.at(kCellLimit - 1).isHighSurrogate() ? kCellLimit - 1 : kCellLimit;
            m_text.append(cell.left(cut));
            m_text.append(kEllipsis);
        } else {
            m_text.append(cell);
        }
        m_ends[static_cast<size_t>(column)] = static_cast<quint32>(m_text.size());
    }
}

qsizetype ResultRow::byteSize() const
{
    return qsizetype(sizeof(ResultRow)) + m_text.capacity() * qsizetype(sizeof(QChar)) + kAllocationOverhead;
}

QStringView ResultRow::cellView(int column) const
{
    if (column < 0 || column >= kColumnCount)
        return {};
    const quint32 start = column == 0 ? 0 : m_ends[static_cast<size_t>(column - 1)];
    const quint32 end = m_ends[static_cast<size_t>(column)];
    return QStringView(m_text).mid(start, end - start);
}
