#include "search/ResultRow.h"

ResultRow::ResultRow(const Cells& cells, ResultPicture picture) : m_picture(picture)
{
    qsizetype length = 0;
    for (const QStringView cell : cells)
        length += cell.size();
    m_text.reserve(length);
    for (int column = 0; column < kColumnCount; ++column) {
        m_text.append(cells[static_cast<size_t>(column)]);
        m_ends[static_cast<size_t>(column)] = static_cast<quint32>(m_text.size());
    }
}

QStringView ResultRow::cellView(int column) const
{
    if (column < 0 || column >= kColumnCount)
        return {};
    const quint32 start = column == 0 ? 0 : m_ends[static_cast<size_t>(column - 1)];
    const quint32 end = m_ends[static_cast<size_t>(column)];
    return QStringView(m_text).mid(start, end - start);
}
