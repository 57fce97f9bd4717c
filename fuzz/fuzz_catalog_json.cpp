// The loader of a JSON station list.
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "directory/Catalog.h"
#include "directory/StationListReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Catalog catalog;
    QString error;
    const bool keepFailed = (data[0] & 1) != 0;
    const QByteArray json(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    if (StationListReader::read(json, keepFailed, catalog, error))
        (void)catalog.summary();
    return 0;
}
