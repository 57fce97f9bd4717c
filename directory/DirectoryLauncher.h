#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class DirectoryServer;

struct DirectoryOptions
{
    static constexpr quint16 kDefaultPort = 8642;

    QHostAddress address{QHostAddress::LocalHost};
    quint16 port = kDefaultPort;
    QString catalogPath;
};

// Start-up of skylark-directory: reads the command line
//   skylark-directory [--listen ADDRESS] [--port N] [--catalog FILE]
// loads the catalog, listens and prints "listening ADDRESS:PORT" as the first line on standard
// output. Warnings, failures and the one-line-per-request log go to standard error.
class DirectoryLauncher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // False, with the reason on standard error, when any step fails.
    bool start(const QStringList& arguments);

    // nullopt, with error, for an unreadable address or port.
    static std::optional<DirectoryOptions> parseOptions(const QStringList& arguments, QString& error);
    // The catalog beside the program, in ../share/skylark-directory, else the one of the source tree.
    static QString defaultCatalogPath(const QString& programFolder);

private:
    DirectoryServer* m_server = nullptr;
};
