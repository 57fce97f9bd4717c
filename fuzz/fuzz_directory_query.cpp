// The directory service's reading of a raw search query.
#include "FuzzInput.h"

#include "directory/DirectoryQuery.h"
#include "directory/QueryString.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray raw = fuzzBytes(data, size);
    (void)QueryString::decode(raw);
    QueryString query;
    if (query.parse(raw))
        (void)query.value(QStringLiteral("T1"));
    (void)DirectoryQuery::parse(raw).error();
    return 0;
}
