// The loader of Bookmarks.lst. A file it accepts is written back the same way it was read.
#include "FuzzInput.h"

#include "collections/BookmarkList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QList<Bookmark> items;
    QString error;
    if (!BookmarkList::parse(fuzzBytes(data, size), items, error))
        return 0;
    QList<Bookmark> again;
    if (!BookmarkList::parse(BookmarkList::serialize(items), again, error) || again != items)
        fuzzFail("an accepted file does not read back after writing");
    return 0;
}
