#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <vector>

// Block boundaries chosen by the fuzzer: up to maxCuts positions in [0, length], sorted, so
// blocks may be empty and a boundary may fall anywhere, inside a character or a marker too.
inline std::vector<std::size_t> blockCuts(FuzzedDataProvider& input, std::size_t length, int maxCuts)
{
    const int count = input.ConsumeIntegralInRange<int>(0, maxCuts);
    std::vector<std::size_t> cuts;
    for (int i = 0; i < count; ++i)
        cuts.push_back(input.ConsumeIntegral<std::size_t>() % (length + 1));
    std::sort(cuts.begin(), cuts.end());
    return cuts;
}

// Calls feed(from, size) for each block between the cuts, then for the rest.
template <typename Feed>
void forEachBlock(const std::vector<std::size_t>& cuts, std::size_t length, Feed feed)
{
    std::size_t from = 0;
    for (const std::size_t cut : cuts) {
        feed(from, cut - from);
        from = cut;
    }
    feed(from, length - from);
}
