// The results page reader fed in blocks cut where the fuzzer chooses. However the page is cut,
// it must give as many rows as the same page in one block.
#include "BlockSplits.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QString>

#include "search/ResultsModel.h"
#include "search/ResultsParser.h"
#include "search/SearchRequest.h"

namespace {
struct Outcome
{
    int count = 0;
    int rows = 0;
};

template <typename Feed> Outcome readPage(bool archive, const QString& conSpeed, Feed feed)
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

    const Outcome whole = readPage(archive, conSpeed, [&](ResultsParser& parser) { parser.append(page); });
    const Outcome split = readPage(archive, conSpeed, [&](ResultsParser& parser) {
        forEachBlock(cuts, std::size_t(page.size()), [&](std::size_t from, std::size_t length) {
            parser.append(QStringView(page).mid(qsizetype(from), qsizetype(length)));
        });
    });
    if (whole.count != split.count || whole.rows != split.rows) {
        std::fprintf(stderr,
                     "one block: %d results, %d rows; %zu cuts: %d results, %d rows\ncuts:", whole.count,
                     whole.rows, cuts.size(), split.count, split.rows);
        for (const std::size_t cut : cuts)
            std::fprintf(stderr, " %zu", cut);
        std::fprintf(stderr, "\n");
        std::abort();
    }
    return 0;
}
