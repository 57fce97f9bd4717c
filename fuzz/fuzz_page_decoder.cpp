// The page decoder fed in blocks cut where the fuzzer chooses, for a page without a charset,
// one named UTF-8 and one named Windows-1252: any cut gives the text of the page in one block.
#include "BlockSplits.h"
#include "FuzzInput.h"

#include "search/PageDecoder.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::array<QByteArray, 3> contentTypes = {
        QByteArrayLiteral("text/html"), QByteArrayLiteral("text/html; charset=utf-8"),
        QByteArrayLiteral("text/html; charset=windows-1252")};
    FuzzedDataProvider input(data, size);
    const QByteArray& contentType =
        contentTypes.at(input.ConsumeIntegralInRange<std::size_t>(0, contentTypes.size() - 1));
    const std::string text = input.ConsumeRandomLengthString();
    const QByteArrayView bytes(text.data(), qsizetype(text.size()));
    const std::vector<std::size_t> cuts = blockCuts(input, text.size(), 32);

    PageDecoder oneBlock = PageDecoder::forContentType(contentType);
    const QString whole = oneBlock.decode(bytes) + oneBlock.finish();

    PageDecoder blocks = PageDecoder::forContentType(contentType);
    QString split;
    forEachBlock(cuts, text.size(), [&](std::size_t from, std::size_t length) {
        split += blocks.decode(bytes.sliced(qsizetype(from), qsizetype(length)));
    });
    split += blocks.finish();
    if (split != whole || blocks.readsWindows1252() != oneBlock.readsWindows1252())
        fuzzFail("the page cut into blocks decodes otherwise than in one block");
    return 0;
}
