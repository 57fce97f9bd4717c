#pragma once

#include "platform/SystemServices.h"

#include <QString>
#include <QUrl>

#include <optional>

// Opens web pages and mail links with the desktop's own programs. The addresses often come
// from the network, so only web, ftp and mail addresses are opened: never a file, a program
// or a script address.
class ShellOpener
{
public:
    explicit ShellOpener(SystemServices services) : m_services(services) {}

    // Reports "Error executing application or file not found" when the target is refused or
    // the desktop cannot open it; true when it was handed over.
    bool openWithShell(const QString& target);
    // The target as an address that may be opened: http, https or ftp with a host, or mailto
    // with or without a recipient (a bare "mailto:" opens a new, empty message).
    static std::optional<QUrl> openableAddress(const QString& target);

private:
    SystemServices m_services;
};
