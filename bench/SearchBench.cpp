// Throughput of the results page reader: a generated live-results page is cut into 8 KiB
// blocks, decoded as the HTTP client decodes them, and fed to the parser, which fills the model.

#include "search/ResultsModel.h"
#include "search/ResultsParser.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringDecoder>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {
constexpr qsizetype kBlockSize = 8 * 1024;
constexpr int kRepeats = 7;

QByteArray livePage(int records)
{
    static const char* const formats[] = {"RealAudio", "MP3 ShoutCast", "Microsoft Media (Audio)",
                                          "RealVideo"};
    static const char* const places[] = {"Chicago, Illinois", "Unknown, Internet", "Dayton, Ohio",
                                         "M\xC3\xBCnchen, Bayern"};
    QByteArray page = "<HTML><HEAD><TITLE>Search Results</TITLE></HEAD><BODY>\n<H2>Live broadcasts</H2>\n";
    page.reserve(records * 200);
    for (int at = 0; at < records; ++at) {
        const QByteArray number = QByteArray::number(at);
        page += "<A HREF=\"http://stream" + number + ".example.net:8000/live/station" + number + ".ram\">";
        page += "Station " + number + " FM**" + formats[at % 4] + "&&" + places[at % 4] + "^^" +
                QByteArray::number(16 + at % 300) + "$$0@@http://www.station" + number +
                ".example.com/</A><BR>\n";
    }
    return page + "</BODY></HTML>\n";
}

struct Run
{
    double seconds = 0;
    int rows = 0;
};

Run parsePage(const QByteArray& page, ResultsModel& model, ResultsParser& parser)
{
    model.resetForSearch();
    parser.resetSearch();
    parser.setOptions(false, QString());
    QStringDecoder decoder(QStringDecoder::Utf8);
    QElapsedTimer timer;
    timer.start();
    for (qsizetype at = 0; at < page.size(); at += kBlockSize) {
        const QString block =
            decoder(QByteArrayView(page).sliced(at, std::min(kBlockSize, page.size() - at)));
        parser.append(block);
    }
    return {static_cast<double>(timer.nsecsElapsed()) / 1e9, parser.ResultCount()};
}

Run bestOf(const QByteArray& page, ResultsModel& model, ResultsParser& parser)
{
    Run best;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        const Run run = parsePage(page, model, parser);
        if (repeat == 0 || run.seconds < best.seconds)
            best = run;
    }
    return best;
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    ResultsModel model;
    ResultsParser parser(model);

    double totalBytes = 0;
    double totalSeconds = 0;
    double seconds50k = 0;
    double seconds100k = 0;
    for (const int records : {50000, 100000}) {
        const QByteArray page = livePage(records);
        const Run run = bestOf(page, model, parser);
        if (run.rows != records) {
            std::fprintf(stderr, "expected %d rows, got %d\n", records, run.rows);
            return 1;
        }
        const double megabytes = static_cast<double>(page.size()) / 1e6;
        out << "records=" << records << " page_mb=" << QString::number(megabytes, 'f', 2)
            << " seconds=" << QString::number(run.seconds, 'f', 3)
            << " mb_per_s=" << QString::number(megabytes / run.seconds, 'f', 1)
            << " rows_per_s=" << QString::number(run.rows / run.seconds, 'f', 0) << Qt::endl;
        QElapsedTimer sortTimer;
        sortTimer.start();
        model.sortRows(ResultsModel::LiveStation, Qt::AscendingOrder, ResultsModel::SortKind::Text);
        out << "records=" << records << " sort_seconds="
            << QString::number(static_cast<double>(sortTimer.nsecsElapsed()) / 1e9, 'f', 3) << Qt::endl;
        totalBytes += static_cast<double>(page.size());
        totalSeconds += run.seconds;
        (records == 50000 ? seconds50k : seconds100k) = run.seconds;
    }
    out << "parse_mb_per_s=" << QString::number(totalBytes / 1e6 / totalSeconds, 'f', 1)
        << " ratio_100k_50k=" << QString::number(seconds100k / seconds50k, 'f', 2)
        << " peak_rss_mb=" << QString::number(peakRssMb(), 'f', 1) << Qt::endl;
    return 0;
}
