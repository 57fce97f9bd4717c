#pragma once

#include <functional>
#include <span>
#include <vector>

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>

#include "directory/LargeBlocks.h"

// Which entries hold each run of three ASCII bytes in their case-folded search text, as lists of
// catalog positions in ascending order. A keyword's ASCII pieces can only be in texts holding
// every one of their three-byte runs, so a search checks just the entries on all those lists
// rather than the whole catalog. Entries are added in catalog order.
class TrigramIndex
{
public:
    using Position = quint32;
    using Postings = std::span<const Position>;

    // Indexes the next entry's folded text; it gets the next position.
    void add(QByteArrayView folded);
    // Indexes `count` entries at once, the same as add() for each. Into an empty index the
    // lists are counted first and then filled in place, in one block without spare room.
    void addAll(qsizetype count, const std::function<QByteArrayView(qsizetype)>& foldedOf);
    // Packs the lists into one block, giving back the room they grew into while the catalog
    // was read; a later add() takes them apart again.
    void squeeze();
    qsizetype size() const { return m_size; }

    // The lists an entry must be on to hold all the pieces; none when the pieces are too short to
    // tell anything. An empty list among them means no entry holds them.
    std::vector<Postings> postingsFor(const QByteArrayList& pieces) const;

private:
    // Three seven-bit bytes make a key; the slot of a key is the index of its list in m_lists,
    // or -1. A table of every key costs 8 MB but finds a list without hashing.
    static constexpr quint32 kKeys = 1u << 21;

    Postings list(qint32 slot) const;
    void unpack();

    LargeVector<qint32> m_slots;
    std::vector<std::vector<Position>> m_lists;
    // Packed, list k is m_packed[m_starts[k]] up to m_packed[m_starts[k + 1]].
    LargeVector<Position> m_packed;
    std::vector<quint32> m_starts;
    Position m_size = 0;
    std::vector<quint32> m_scratch;
};
