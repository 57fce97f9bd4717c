#include "directory/DirectoryLauncher.h"

#include "directory/DirectoryServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

void printLine(FILE* stream, const QByteArray& line)
{
    std::fputs(line.constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

void printError(const QString& text)
{
    printLine(stderr, QByteArrayLiteral("skylark-directory: ") + text.toLocal8Bit());
}

QByteArray shownAddress(const QHostAddress& address, quint16 port)
{
    const QByteArray host = address.toString().toLatin1();
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    return (v6 ? "[" + host + "]" : host) + ':' + QByteArray::number(port);
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
    parser.addOptions({listen, port, catalog});
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
    options.port = static_cast<quint16>(number);
    options.catalogPath = parser.value(catalog);
    return options;
}

QString DirectoryLauncher::defaultCatalogPath(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QStringList candidates{folder.filePath(QStringLiteral("catalog.tsv")),
                                 folder.filePath(QStringLiteral("../share/skylark-directory/catalog.tsv"))};
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return QStringLiteral(SKYLARK_DIRECTORY_CATALOG);
}

bool DirectoryLauncher::start(const QStringList& arguments)
{
    QString error;
    const auto options = parseOptions(arguments, error);
    if (!options) {
        printError(error);
        return false;
    }
    const QString path = options->catalogPath.isEmpty()
                             ? defaultCatalogPath(QCoreApplication::applicationDirPath())
                             : options->catalogPath;
    Catalog catalog;
    const bool loaded = catalog.load(path);
    for (const QString& warning : catalog.warnings())
        printError(path + QStringLiteral(": ") + warning);
    if (!loaded) {
        printError(catalog.error());
        return false;
    }
    m_server = new DirectoryServer(DirectoryService(std::move(catalog)), this);
    connect(m_server, &DirectoryServer::requestLogged, this,
            [](const QByteArray& line) { printLine(stderr, line); });
    const quint16 port = m_server->start(options->address, options->port);
    if (port == 0) {
        printError(QStringLiteral("cannot listen: ") + m_server->errorString());
        return false;
    }
    printLine(stdout, "listening " + shownAddress(options->address, port));
    return true;
}
