// Runs skylark-directory on a generated list of 50,000 stations and prints its figures: load
// time beside Python's json.load of the same file in the same run, memory held, a reload on
// SIGHUP, keyword search latency through real HTTP requests on one kept-alive connection, and
// searches per second for 20 concurrent clients.
//
//   skylark-directory-bench [STATIONS.json]
//
// Without a file the list is made by directory/make_stations_json.py.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kStations = 50000;
constexpr int kClients = 20;
constexpr int kLatencyRounds = 400;
constexpr int kThroughputSeconds = 5;

const char* const kKeywords[] = {"jazz",       "rock",
                                 "radio",      "classic hits",
                                 "café",       "^ska^,^ska$,ska-,ska/,skamusic,`ska",
                                 "news,talk",  "planet 4711",
                                 "bavaria",    "nothing-matches-this",
                                 "dance club", "música",
                                 "80s,90s",    "oldies gold",
                                 "community",  "chill lounge"};

QByteArray escaped(const char* keywords)
{
    return QByteArray(keywords).toPercentEncoding("^,`$");
}

QByteArray searchRequest(int index)
{
    const char* keywords = kKeywords[static_cast<size_t>(index) % std::size(kKeywords)];
    return "GET /search.asp?V=3&P=L&T1=" + escaped(keywords) +
           "&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1&SPD=0 HTTP/1.1\r\nHost: bench\r\n\r\n";
}

int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

// Sends one request and reads its answer; the status, or 0 when the exchange failed.
int exchange(int fd, const QByteArray& request, std::vector<char>& buffer)
{
    if (::send(fd, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL) != request.size())
        return 0;
    QByteArray data;
    qsizetype expected = -1;
    while (expected < 0 || data.size() < expected) {
        const ssize_t got = ::recv(fd, buffer.data(), buffer.size(), 0);
        if (got <= 0)
            return 0;
        data.append(buffer.data(), got);
        const qsizetype headEnd = data.indexOf("\r\n\r\n");
        if (expected < 0 && headEnd >= 0) {
            const qsizetype at = data.indexOf("Content-Length: ");
            if (at < 0 || at > headEnd)
                return 0;
            expected = headEnd + 4 + data.mid(at + 16, data.indexOf('\r', at) - at - 16).toLongLong();
        }
    }
    return data.mid(9, 3).toInt();
}

double kilobytes(const QByteArray& status, const char* field)
{
    const qsizetype at = status.indexOf(field);
    return at < 0 ? 0 : status.mid(at + qstrlen(field)).trimmed().split(' ').value(0).toDouble();
}

// Processor seconds the process has used, user and system.
double processorSeconds(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = file.readAll();
    // The fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(::sysconf(_SC_CLK_TCK));
}

// Page faults the process has taken that needed no reading from disk.
qint64 pageFaults(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = file.readAll();
    return text.mid(text.lastIndexOf(')') + 2).split(' ').value(7).toLongLong();
}

QByteArray statusOf(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Timing
{
    double wall = 0;
    double processor = 0;
};

// Python's json.load of the file: the yardstick for the service's load.
Timing pythonLoad(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import json, sys, time\n"
                                 "w, p = time.perf_counter(), time.process_time()\n"
                                 "json.load(open(sys.argv[1], 'rb'))\n"
                                 "print(time.perf_counter() - w, time.process_time() - p)"),
                  path});
    python.waitForFinished(120000);
    const QList<QByteArray> figures = python.readAllStandardOutput().trimmed().split(' ');
    return {figures.value(0).toDouble(), figures.value(1).toDouble()};
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

void latency(quint16 port)
{
    const int fd = connectTo(port);
    std::vector<char> buffer(256 * 1024);
    std::vector<double> times;
    int failures = 0;
    for (int i = 0; i < kLatencyRounds; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        failures += exchange(fd, searchRequest(i), buffer) == 200 ? 0 : 1;
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    ::close(fd);
    std::printf("search latency (one kept-alive connection, %d searches): median %.2f ms, p99 %.2f ms, "
                "max %.2f ms, failures %d\n",
                kLatencyRounds, percentile(times, 0.5), percentile(times, 0.99), percentile(times, 1.0),
                failures);
}

void throughput(quint16 port)
{
    std::atomic<bool> stop{false};
    std::atomic<int> done{0};
    std::atomic<int> errors{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            const int fd = connectTo(port);
            std::vector<char> buffer(256 * 1024);
            for (int i = c; !stop; ++i) {
                if (exchange(fd, searchRequest(i), buffer) == 200)
                    ++done;
                else
                    ++errors;
            }
            ::close(fd);
        });
    }
    std::this_thread::sleep_for(std::chrono::seconds(kThroughputSeconds));
    stop = true;
    for (auto& client : clients)
        client.join();
    std::printf("throughput (%d clients, %d s): %.0f searches/s, errors %d\n", kClients, kThroughputSeconds,
                done / static_cast<double>(kThroughputSeconds), errors.load());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QString stations = app.arguments().value(1);
    if (stations.isEmpty()) {
        stations = dir.filePath(QStringLiteral("stations.json"));
        const int made = QProcess::execute(
            QStringLiteral("python3"), {QStringLiteral(SKYLARK_SOURCE_DIR "/directory/make_stations_json.py"),
                                        QString::number(kStations), stations});
        if (made != 0)
            return 1;
    }
    std::printf("station list: %s, %.1f MB\n", qPrintable(stations), QFile(stations).size() / 1e6);

    const Timing python = pythonLoad(stations);
    std::printf("python json.load: %.2f s, %.2f s processor\n", python.wall, python.processor);

    QProcess service;
    const QString log = dir.filePath(QStringLiteral("service.log"));
    service.setStandardErrorFile(log);
    QElapsedTimer timer;
    timer.start();
    service.start(QStringLiteral(SKYLARK_BIN_DIR "/skylark-directory"),
                  {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--catalog"), stations});
    while (!service.canReadLine() && service.waitForReadyRead(60000)) {
    }
    const QByteArray first = service.readLine().trimmed();
    if (!first.startsWith("listening ")) {
        std::fprintf(stderr, "the service did not start\n");
        return 1;
    }
    const Timing load{timer.elapsed() / 1000.0, processorSeconds(service.processId())};
    const auto port = static_cast<quint16>(first.mid(first.lastIndexOf(':') + 1).toUInt());
    const QByteArray status = statusOf(service.processId());
    std::printf("load: %.2f s to listening, %.2f s processor, %lld page faults; memory after load: %.0f MB "
                "resident, peak %.0f MB\n",
                load.wall, load.processor, static_cast<long long>(pageFaults(service.processId())),
                kilobytes(status, "VmRSS:") / 1024, kilobytes(status, "VmHWM:") / 1024);
    std::printf("load / python json.load: %.2f wall, %.2f processor\n", load.wall / python.wall,
                load.processor / python.processor);

    // A reload on SIGHUP reads the same file again and swaps the catalog.
    QFile logFile(log);
    logFile.open(QIODevice::ReadOnly);
    timer.restart();
    ::kill(static_cast<pid_t>(service.processId()), SIGHUP);
    while (!logFile.readAll().contains("reloaded: ") && timer.elapsed() < 120000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const double reloadWall = timer.elapsed() / 1000.0;
    const double reloadProcessor = processorSeconds(service.processId()) - load.processor;
    std::printf("reload: %.2f s, %.2f s processor; memory after reload: %.0f MB resident\n", reloadWall,
                reloadProcessor, kilobytes(statusOf(service.processId()), "VmRSS:") / 1024);

    latency(port);
    throughput(port);

    std::printf("memory after the searches: %.0f MB resident\n",
                kilobytes(statusOf(service.processId()), "VmRSS:") / 1024);
    service.kill();
    service.waitForFinished();
    return 0;
}
