// The loader of Bookmarks.lst. A file it accepts is written back the same way it was read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QList>
#include <QString>

#include "collections/BookmarkList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<Bookmark> items;
    QString error;
    if (!BookmarkList::parse(file, items, error))
        return 0;
    QList<Bookmark> again;
    if (!BookmarkList::parse(BookmarkList::serialize(items), again, error) || again != items) {
        std::fprintf(stderr, "an accepted file does not read back after writing: %s\n", qPrintable(error));
        std::abort();
    }
    return 0;
}
