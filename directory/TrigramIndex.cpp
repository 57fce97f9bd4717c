#include "directory/TrigramIndex.h"

#include <algorithm>
#include <utility>

namespace {

// The three-byte runs of a text whose bytes are all ASCII, packed seven bits each, repeats kept.
void trigramsOf(QByteArrayView text, std::vector<quint32>& keys)
{
    keys.clear();
    const auto* bytes = reinterpret_cast<const uchar*>(text.constData());
    for (qsizetype i = 2; i < text.size(); ++i) {
        const uchar a = bytes[i - 2];
        const uchar b = bytes[i - 1];
        const uchar c = bytes[i];
        if ((a | b | c) < 0x80)
            keys.push_back(quint32(a) << 14 | quint32(b) << 7 | c);
    }
}

} // namespace

void TrigramIndex::add(QByteArrayView folded)
{
    if (m_slots.empty())
        m_slots.assign(kKeys, -1);
    if (!m_starts.empty())
        unpack();
    trigramsOf(folded, m_scratch);
    for (const quint32 key : m_scratch) {
        qint32& slot = m_slots[key];
        if (slot < 0) {
            slot = static_cast<qint32>(m_lists.size());
            m_lists.emplace_back();
        }
        std::vector<Position>& positions = m_lists[static_cast<size_t>(slot)];
        // A run the text holds twice is listed once.
        if (positions.empty() || positions.back() != m_size)
            positions.push_back(m_size);
    }
    ++m_size;
}

void TrigramIndex::addAll(qsizetype count, const std::function<QByteArrayView(qsizetype)>& foldedOf)
{
    if (m_size != 0 || !m_lists.empty() || !m_starts.empty()) {
        for (qsizetype i = 0; i < count; ++i)
            add(foldedOf(i));
        return;
    }
    const auto keysOf = [&](qsizetype i) {
        trigramsOf(foldedOf(i), m_scratch);
        std::sort(m_scratch.begin(), m_scratch.end());
        m_scratch.erase(std::unique(m_scratch.begin(), m_scratch.end()), m_scratch.end());
    };
    // First each key's count, then its slot, found where the count was.
    m_slots.assign(kKeys, 0);
    for (qsizetype i = 0; i < count; ++i) {
        keysOf(i);
        for (const quint32 key : m_scratch)
            ++m_slots[key];
    }
    quint32 total = 0;
    for (qint32& slot : m_slots) {
        const auto keyCount = static_cast<quint32>(slot);
        slot = keyCount == 0 ? -1 : static_cast<qint32>(m_starts.size());
        if (keyCount > 0)
            m_starts.push_back(std::exchange(total, total + keyCount));
    }
    std::vector<quint32> next = m_starts;
    m_starts.push_back(total);
    m_packed.resize(total);
    for (qsizetype i = 0; i < count; ++i) {
        keysOf(i);
        for (const quint32 key : m_scratch)
            m_packed[next[static_cast<size_t>(m_slots[key])]++] = static_cast<Position>(i);
    }
    m_size = static_cast<Position>(count);
    m_scratch = {};
}

void TrigramIndex::squeeze()
{
    m_scratch = {};
    if (!m_starts.empty() || m_lists.empty())
        return;
    size_t total = 0;
    for (const auto& positions : m_lists)
        total += positions.size();
    m_packed.reserve(total);
    m_starts.reserve(m_lists.size() + 1);
    for (auto& positions : m_lists) {
        m_starts.push_back(static_cast<quint32>(m_packed.size()));
        m_packed.insert(m_packed.end(), positions.begin(), positions.end());
        positions = {};
    }
    m_starts.push_back(static_cast<quint32>(m_packed.size()));
    m_lists = {};
}

void TrigramIndex::unpack()
{
    m_lists.resize(m_starts.size() - 1);
    for (size_t k = 0; k + 1 < m_starts.size(); ++k)
        m_lists[k].assign(m_packed.begin() + m_starts[k], m_packed.begin() + m_starts[k + 1]);
    m_packed = {};
    m_starts = {};
}

TrigramIndex::Postings TrigramIndex::list(qint32 slot) const
{
    const auto k = static_cast<size_t>(slot);
    if (m_starts.empty())
        return m_lists[k];
    return Postings(m_packed.data() + m_starts[k], m_starts[k + 1] - m_starts[k]);
}

std::vector<TrigramIndex::Postings> TrigramIndex::postingsFor(const QByteArrayList& pieces) const
{
    static const std::vector<Position> kNone;
    std::vector<quint32> keys;
    std::vector<quint32> all;
    for (const QByteArray& piece : pieces) {
        trigramsOf(piece, keys);
        all.insert(all.end(), keys.begin(), keys.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    std::vector<Postings> lists;
    for (const quint32 key : all) {
        const qint32 slot = m_slots.empty() ? -1 : m_slots[key];
        lists.push_back(slot < 0 ? Postings(kNone) : list(slot));
    }
    // The shortest list first: it rules out the most entries for the least work.
    std::sort(lists.begin(), lists.end(), [](Postings a, Postings b) { return a.size() < b.size(); });
    return lists;
}
