// Throughput of the results page reader: a generated live-results page is cut into 8 KiB
// blocks, decoded as the HTTP client decodes them, and fed to the parser, which fills the model.
// Then a page whose texts are far longer than a cell holds: what the rows keep, and how long the
// grid takes to repaint them, against a grid showing the same texts uncut.

#include "search/ResultsModel.h"
#include "search/ResultsParser.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QStringDecoder>
#include <QTableView>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

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
    return {static_cast<double>(timer.nsecsElapsed()) / 1e9, parser.resultCount()};
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

// Rows whose name and location are each fieldBytes long, as a hostile directory may send them.
QByteArray longFieldPage(int records, qsizetype fieldBytes)
{
    const QByteArray text(fieldBytes, 'n');
    QByteArray page = "<HTML><BODY>\n";
    for (int at = 0; at < records; ++at) {
        page += "<A HREF=\"http://s.example/" + QByteArray::number(at) + ".ram\">" + text + "**RealAudio&&" +
                text + "^^20$$0@@http://p.example/</A><BR>\n";
    }
    return page + "</BODY></HTML>\n";
}

// Best of several full repaints of the view's visible cells, in milliseconds.
double repaintMs(QAbstractItemModel& model)
{
    QTableView view;
    view.setModel(&model);
    view.resize(800, 600);
    view.show();
    double best = 0;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        QElapsedTimer timer;
        timer.start();
        view.viewport()->grab();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        best = repeat == 0 ? ms : std::min(best, ms);
    }
    return best;
}

void longFields(QTextStream& out)
{
    constexpr int kRecords = 1000;
    constexpr qsizetype kFieldBytes = 64 * 1024;
    const QByteArray page = longFieldPage(kRecords, kFieldBytes);
    ResultsModel model;
    ResultsParser parser(model);
    const Run run = parsePage(page, model, parser);
    qsizetype longest = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < ResultsModel::kColumnCount; ++column)
            longest = std::max(longest, model.cell(row, column).size());
    }
    const QString text(kFieldBytes, u'n');
    const qsizetype rowBytes =
        ResultsParser::recordRow(u"http://s.example/999.ram",
                                 text + u"**RealAudio&&"_s + text + u"^^20$$0@@http://p.example/"_s, false,
                                 {})
            ->byteSize();
    // The same texts uncut, as the grid showed them before cells were bounded.
    QStandardItemModel uncut(40, 4);
    for (int row = 0; row < uncut.rowCount(); ++row) {
        uncut.setItem(row, 0, new QStandardItem(text));
        uncut.setItem(row, 2, new QStandardItem(text));
    }
    const double cutMs = repaintMs(model);
    const double uncutMs = repaintMs(uncut);
    out << "long_fields records=" << run.rows << " field_kib=" << kFieldBytes / 1024
        << " page_mb=" << QString::number(static_cast<double>(page.size()) / 1e6, 'f', 1)
        << " seconds=" << QString::number(run.seconds, 'f', 3) << " longest_cell=" << longest
        << " row_bytes=" << rowBytes << " rows_within_budget=" << ResultsParser::kByteLimit / rowBytes
        << Qt::endl;
    out << "long_fields repaint_ms=" << QString::number(cutMs, 'f', 1)
        << " repaint_ms_uncut=" << QString::number(uncutMs, 'f', 1)
        << " ratio_uncut_cut=" << QString::number(uncutMs / cutMs, 'f', 1) << Qt::endl;
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
    // The repaint figure needs a window, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
    longFields(out);
    return 0;
}
