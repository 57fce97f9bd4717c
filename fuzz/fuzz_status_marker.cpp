// The reader of the first field of a companion's status marker.
#include "FuzzInput.h"

#include "scanner/MarkerFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)MarkerFiles::statusField(fuzzText(data, size));
    return 0;
}
