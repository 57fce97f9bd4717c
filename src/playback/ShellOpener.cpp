#include "playback/ShellOpener.h"

#include <QCoreApplication>

#include "core/LinkSafety.h"
#include "core/ProductInfo.h"

std::optional<QUrl> ShellOpener::openableAddress(const QString& target)
{
    if (!LinkSafety::isSafe(target))
        return std::nullopt;
    const QUrl url(target.trimmed(), QUrl::TolerantMode);
    if (!url.isValid())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    const bool web =
        scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp");
    if (web && !url.host().isEmpty())
        return url;
    // A bare "mailto:" opens a new, empty message.
    if (scheme == QLatin1String("mailto"))
        return url;
    return std::nullopt;
}

bool ShellOpener::openWithShell(const QString& target)
{
    const std::optional<QUrl> url = openableAddress(target);
    const bool opened = url && m_services.opener.open(*url);
    if (!opened) {
        m_services.dialogs.message(
            MessageIcon::Critical, kAppTitle,
            QCoreApplication::translate("ShellOpener", "Error executing application or file not found"));
    }
    return opened;
}
