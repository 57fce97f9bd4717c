#include "directory/DirectoryLauncher.h"

#include "directory/ListenSocket.h"
#include "directory/ReloadSignal.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <malloc.h>

namespace {

// One write per line, so lines from the server's threads never interleave.
void printLine(FILE* stream, const QByteArray& line)
{
    const QByteArray text = line + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
    std::fflush(stream);
}

void printError(const QString& text)
{
    printLine(stderr, QByteArrayLiteral("skylark-directory: ") + text.toLocal8Bit());
}

} // namespace

std::optional<DirectoryOptions> DirectoryLauncher::parseOptions(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on."),
                                    QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port; 0 picks a free one."),
                                  QStringLiteral("N"), QString::number(DirectoryOptions::kDefaultPort));
    const QCommandLineOption catalog(QStringLiteral("catalog"), QStringLiteral("Catalog file."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption keepFailed(QStringLiteral("keep-failed"),
                                        QStringLiteral("Keep stations whose last check failed."));
    const QCommandLineOption idle(QStringLiteral("idle-timeout"),
                                  QStringLiteral("Seconds a connection may idle."), QStringLiteral("SECONDS"),
                                  QString::number(ServerLimits().idleTimeoutSeconds));
    const QCommandLineOption connections(QStringLiteral("max-connections"),
                                         QStringLiteral("Connections served at once."), QStringLiteral("N"),
                                         QString::number(ServerLimits().maxConnections));
    const QCommandLineOption head(
        QStringLiteral("head-timeout"), QStringLiteral("Seconds a request head may take to arrive."),
        QStringLiteral("SECONDS"), QString::number(ServerLimits().headTimeoutSeconds));
    const QCommandLineOption perAddress(QStringLiteral("max-per-address"),
                                        QStringLiteral("Connections served at once for one address."),
                                        QStringLiteral("N"), QString::number(ServerLimits().maxPerAddress));
    parser.addOptions({listen, port, catalog, keepFailed, idle, connections, head, perAddress});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    DirectoryOptions options;
    bool portOk = false;
    const uint number = parser.value(port).toUInt(&portOk);
    if (!options.address.setAddress(parser.value(listen)) || !portOk || number > 65535) {
        error = QStringLiteral("unusable address or port");
        return std::nullopt;
    }
    bool limitsOk = true;
    const auto positive = [&](const QCommandLineOption& option) {
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        limitsOk = limitsOk && ok && value >= 1;
        return value;
    };
    options.limits.idleTimeoutSeconds = positive(idle);
    options.limits.headTimeoutSeconds = positive(head);
    options.limits.maxConnections = positive(connections);
    options.limits.maxPerAddress = positive(perAddress);
    if (!limitsOk) {
        error = QStringLiteral("unusable time-out or connection limit");
        return std::nullopt;
    }
    options.limits.threads = std::max(2, static_cast<int>(std::thread::hardware_concurrency()));
    options.port = static_cast<quint16>(number);
    options.catalogPath = parser.value(catalog);
    options.catalog.keepFailed = parser.isSet(keepFailed);
    return options;
}

QString DirectoryLauncher::defaultCatalogPath(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("catalog.tsv"));
    const QString shared = folder.filePath(QStringLiteral("../share/skylark-directory/catalog.tsv"));
    return QDir::cleanPath(QFileInfo::exists(beside) ? beside : shared);
}

DirectoryLauncher::~DirectoryLauncher() = default;

bool DirectoryLauncher::start(const QStringList& arguments)
{
    QString error;
    const auto options = parseOptions(arguments, error);
    if (!options) {
        printError(error);
        return false;
    }
    m_options = *options;
    if (m_options.catalogPath.isEmpty())
        m_options.catalogPath = defaultCatalogPath(QCoreApplication::applicationDirPath());
    auto catalog = loadCatalog();
    if (!catalog)
        return false;
    int fd = ListenSocket::inherited();
    if (fd < 0)
        fd = ListenSocket::open(m_options.address, m_options.port, error);
    if (fd < 0) {
        printError(QStringLiteral("cannot listen: ") + error);
        return false;
    }
    const QByteArray address = ListenSocket::localAddress(fd);
    m_server = std::make_unique<DirectoryServer>(std::move(catalog), m_options.limits,
                                                 [](const QByteArray& line) { printLine(stderr, line); });
    if (!m_server->start(fd)) {
        printError(QStringLiteral("cannot serve on ") + QString::fromLatin1(address));
        return false;
    }
    auto* hangUp = new ReloadSignal(this);
    connect(hangUp, &ReloadSignal::requested, this, &DirectoryLauncher::reload);
    if (!hangUp->install())
        printError(QStringLiteral("SIGHUP will not reload the catalog"));
    printLine(stdout, "listening " + address);
    return true;
}

std::shared_ptr<const Catalog> DirectoryLauncher::loadCatalog() const
{
    auto catalog = std::make_shared<Catalog>();
    const QString& path = m_options.catalogPath;
    const bool loaded = catalog->load(path, m_options.catalog);
    for (const QString& warning : catalog->warnings())
        printError(path + QStringLiteral(": ") + warning);
    if (!loaded) {
        printError(catalog->error());
        return nullptr;
    }
    printError(path + QStringLiteral(": ") + catalog->summary());
    // Reading a large list leaves most of its working memory free but still mapped.
    ::malloc_trim(0);
    return catalog;
}

// Requests in flight keep the snapshot they started with; the old catalog goes when the last
// of them is done.
void DirectoryLauncher::reload()
{
    printError(QStringLiteral("reloading ") + m_options.catalogPath);
    auto catalog = loadCatalog();
    if (!catalog) {
        printError(QStringLiteral("reload failed; keeping the catalog of %1 entries")
                       .arg(m_server->catalog()->size()));
        return;
    }
    const auto count = catalog->size();
    m_server->setCatalog(std::move(catalog));
    // The old catalog is gone unless a request still holds it; its memory goes back now.
    ::malloc_trim(0);
    printError(QStringLiteral("reloaded: %1 entries").arg(count));
}
