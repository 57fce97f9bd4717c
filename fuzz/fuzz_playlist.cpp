// The playlist reader (M3U and PLS). What it takes is within its limits.
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "collections/Playlist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    const PlaylistRead read = Playlist::read(file);
    if (read.entries.size() > Playlist::kMaxEntries)
        std::abort();
    for (const PlaylistEntry& entry : read.entries) {
        if (Playlist::checkLink(entry.link) != Playlist::LinkCheck::Fit)
            std::abort();
    }
    return 0;
}
