// The playlist reader (M3U and PLS). What it takes is within its limits.
#include "FuzzInput.h"

#include "collections/Playlist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PlaylistRead read = Playlist::read(fuzzBytes(data, size));
    if (read.entries.size() > Playlist::kMaxEntries)
        fuzzFail("more entries than the limit");
    for (const PlaylistEntry& entry : read.entries) {
        if (Playlist::checkLink(entry.link) != Playlist::LinkCheck::Fit)
            fuzzFail("an entry whose link is unfit");
    }
    return 0;
}
