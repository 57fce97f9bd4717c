// The loader of the tab-separated catalog.
#include <cstdint>

#include <QByteArray>

#include "directory/Catalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Catalog catalog;
    if (catalog.parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        (void)catalog.summary();
    return 0;
}
