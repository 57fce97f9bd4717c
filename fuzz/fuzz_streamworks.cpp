// The cut of the stream address out of a StreamWorks description.
#include <cstdint>

#include <QString>

#include "playback/StreamWorksFetch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString description = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)StreamWorksFetch::streamAddress(description);
    return 0;
}
