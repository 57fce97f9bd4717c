// The results page reader fed in blocks cut where the fuzzer chooses. However the page is cut,
// it must give as many rows as the same page in one block.
#include "BlockSplits.h"
#include "FuzzInput.h"

#include "search/ResultsModel.h"
#include "search/ResultsParser.h"
#include "search/SearchRequest.h"

#include <utility>

namespace {
// The parser's result count and the model's row count.
template <typename Feed> std::pair<int, int> readPage(bool archive, const QString& conSpeed, Feed feed)
{
    ResultsModel model;
    ResultsParser parser(model);
    parser.setOptions(archive, conSpeed);
    parser.resetSearch();
    model.resetForSearch();
    feed(parser);
    return {parser.resultCount(), model.rowCount()};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool archive = input.ConsumeBool();
    QStringList speeds = SearchRequest::speedNames();
    speeds.prepend(QString());
    const QString conSpeed = speeds.at(input.ConsumeIntegralInRange<qsizetype>(0, speeds.size() - 1));
    const std::string bytes = input.ConsumeRandomLengthString();
    const QString page = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    const std::vector<std::size_t> cuts = blockCuts(input, std::size_t(page.size()), 32);

    const auto whole = readPage(archive, conSpeed, [&](ResultsParser& parser) { parser.append(page); });
    const auto split = readPage(archive, conSpeed, [&](ResultsParser& parser) {
        forEachBlock(cuts, std::size_t(page.size()), [&](std::size_t from, std::size_t length) {
            parser.append(QStringView(page).mid(qsizetype(from), qsizetype(length)));
        });
    });
    if (whole != split)
        fuzzFail("the page cut into blocks gives other results or rows than in one block");
    return 0;
}
