// The loader of a JSON station list; the first byte chooses whether failed checks are kept.
#include "FuzzInput.h"

#include "directory/Catalog.h"
#include "directory/StationListReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Catalog catalog;
    QString error;
    if (StationListReader::read(fuzzBytes(data + 1, size - 1), (data[0] & 1) != 0, catalog, error))
        (void)catalog.summary();
    return 0;
}
