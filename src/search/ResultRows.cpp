#include "search/ResultRows.h"

#include "search/NumericText.h"

#include <QVarLengthArray>

#include <algorithm>
#include <string_view>

namespace {
// Eight bytes of text from at, big-endian and zero-padded: comparing two of these orders as the
// texts do, except where both agree on all eight.
quint64 wordAt(QByteArrayView text, qsizetype at)
{
    quint64 word = 0;
    for (qsizetype end = at + 8; at < end; ++at)
        word = (word << 8) | (at < text.size() ? quint8(text[at]) : 0u);
    return word;
}

// The number a cell starts with, read as NumericText reads it. Blanks, digits and the point are
// single bytes in UTF-8, and any other byte ends the number.
double numberOf(QByteArrayView text)
{
    QVarLengthArray<char16_t, 32> number;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '.' && (c < '0' || c > '9'))
            break;
        number.append(char16_t(c));
    }
    return NumericText::value(QStringView(number.data(), number.size()));
}

// The rows of keys sorted stably by less, first to last or last to first.
template <typename Key, typename Less> QList<int> sortedRows(QList<Key>& keys, bool ascending, Less less)
{
    if (ascending)
        std::stable_sort(keys.begin(), keys.end(), less);
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [&less](const Key& a, const Key& b) { return less(b, a); });
    QList<int> order;
    order.reserve(keys.size());
    for (const Key& key : std::as_const(keys))
        order.append(key.row);
    return order;
}
} // namespace

void ResultRows::release()
{
    m_entries.release();
    m_text.release();
}

qsizetype ResultRows::append(const ResultRow::Cells& cells, ResultPicture picture)
{
    const qsizetype start = m_text.size();
    m_text.resize(start + ResultRow::room(cells));
    const ResultRow::Ends ends = ResultRow::encode(cells, m_text.data() + start);
    m_text.resize(start + ends.back());
    m_entries.append(Entry{start, ends, picture});
    return kRowBytes + ends.back();
}

void ResultRows::append(const ResultRow& row)
{
    const qsizetype start = m_text.size();
    Entry entry{start, {}, row.picture()};
    for (int column = 0; column < ResultRow::kColumnCount; ++column) {
        const QByteArrayView cell = row.cellUtf8(column);
        m_text.append(cell.data(), cell.size());
        entry.ends[std::size_t(column)] = static_cast<quint16>(m_text.size() - start);
    }
    m_entries.append(entry);
}

QByteArrayView ResultRows::cellUtf8(int row, int column) const
{
    if (row < 0 || row >= size())
        return {};
    const Entry& entry = m_entries[row];
    return ResultRow::cellOf(QByteArrayView(m_text.data() + entry.start, entry.ends.back()), entry.ends,
                             column);
}

ResultPicture ResultRows::picture(int row) const
{
    return row >= 0 && row < size() ? m_entries[row].picture : ResultPicture::None;
}

void ResultRows::clearCells()
{
    m_text.clear();
    for (Entry& entry : m_entries)
        entry = Entry{};
}

QList<int> ResultRows::sortedOrder(int column, Qt::SortOrder order, Key key) const
{
    const bool ascending = order == Qt::AscendingOrder;
    return key == Key::Number ? numberOrder(column, ascending) : textOrder(column, ascending);
}

QList<int> ResultRows::textOrder(int column, bool ascending) const
{
    // The keys are made once and hold the first 16 bytes of the text, where most comparisons
    // end without reaching into the rows' text.
    struct TextKey
    {
        quint64 first;
        quint64 second;
        int row;
    };
    QList<TextKey> keys;
    keys.reserve(size());
    for (int row = 0; row < size(); ++row) {
        const QByteArrayView text = cellUtf8(row, column);
        keys.append(TextKey{wordAt(text, 0), wordAt(text, 8), row});
    }
    const auto textOf = [this, column](int row) {
        const QByteArrayView text = cellUtf8(row, column);
        return std::string_view(text.data(), size_t(text.size()));
    };
    return sortedRows(keys, ascending, [&textOf](const TextKey& a, const TextKey& b) {
        if (a.first != b.first)
            return a.first < b.first;
        if (a.second != b.second)
            return a.second < b.second;
        return textOf(a.row) < textOf(b.row);
    });
}

QList<int> ResultRows::numberOrder(int column, bool ascending) const
{
    struct NumberKey
    {
        double value;
        int row;
    };
    QList<NumberKey> keys;
    keys.reserve(size());
    for (int row = 0; row < size(); ++row)
        keys.append(NumberKey{numberOf(cellUtf8(row, column)), row});
    return sortedRows(keys, ascending,
                      [](const NumberKey& a, const NumberKey& b) { return a.value < b.value; });
}

void ResultRows::reorder(const QList<int>& order)
{
    // In place, one cycle of the permutation at a time: a page's rows take no second array.
    QList<bool> placed(order.size(), false);
    for (int start = 0; start < order.size(); ++start) {
        if (placed.at(start))
            continue;
        const Entry first = m_entries[start];
        int at = start;
        for (; order.at(at) != start; at = order.at(at)) {
            m_entries[at] = m_entries[order.at(at)];
            placed[at] = true;
        }
        m_entries[at] = first;
        placed[at] = true;
    }
}
