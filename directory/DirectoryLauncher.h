#pragma once

#include "directory/Catalog.h"
#include "directory/DirectoryServer.h"

#include <memory>
#include <optional>

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>

struct DirectoryOptions
{
    static constexpr quint16 kDefaultPort = 8642;

    QHostAddress address{QHostAddress::LocalHost};
    quint16 port = kDefaultPort;
    QString catalogPath;
    CatalogOptions catalog;
    ServerLimits limits;
};

// Start-up of skylark-directory: reads the command line
//   skylark-directory [--listen ADDRESS] [--port N] [--catalog FILE] [--keep-failed]
//                     [--idle-timeout SECONDS] [--head-timeout SECONDS] [--max-connections N]
//                     [--max-per-address N]
// loads the catalog, listens (or takes the socket the service manager hands over) and prints
// "listening ADDRESS:PORT" as the first line on standard output. Warnings, the catalog report,
// failures and the one-line-per-request log go to standard error. SIGHUP reloads the catalog.
class DirectoryLauncher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~DirectoryLauncher() override;

    // False, with the reason on standard error, when any step fails.
    bool start(const QStringList& arguments);

    // nullopt, with error, for an unreadable address, port or limit.
    static std::optional<DirectoryOptions> parseOptions(const QStringList& arguments, QString& error);
    // The catalog beside the program, else the one in ../share/skylark-directory (where both the
    // installation and the build tree keep it), whether it is there or not.
    static QString defaultCatalogPath(const QString& programFolder);

private:
    // The catalog read from the configured file, its report on standard error; null on failure.
    std::shared_ptr<const Catalog> loadCatalog() const;
    void reload();

    DirectoryOptions m_options;
    std::unique_ptr<DirectoryServer> m_server;
};
