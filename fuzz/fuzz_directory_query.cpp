// The directory service's reading of a raw search query.
#include <cstdint>

#include <QByteArray>

#include "directory/DirectoryQuery.h"
#include "directory/QueryString.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)QueryString::decode(raw);
    QueryString query;
    if (query.parse(raw))
        (void)query.value(QStringLiteral("T1"));
    const DirectoryQuery parsed = DirectoryQuery::parse(raw);
    (void)parsed.error();
    return 0;
}
