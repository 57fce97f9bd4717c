// The reader of the first field of a companion's status marker.
#include <cstdint>

#include <QString>

#include "scanner/MarkerFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)MarkerFiles::statusField(text);
    return 0;
}
