// The loader of the tab-separated catalog.
#include "FuzzInput.h"

#include "directory/Catalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Catalog catalog;
    if (catalog.parse(fuzzBytes(data, size)))
        (void)catalog.summary();
    return 0;
}
