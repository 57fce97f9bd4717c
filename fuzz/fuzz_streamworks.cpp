// The cut of the stream address out of a StreamWorks description.
#include "FuzzInput.h"

#include "playback/StreamWorksFetch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)StreamWorksFetch::streamAddress(fuzzText(data, size));
    return 0;
}
