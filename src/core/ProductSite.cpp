#include "core/ProductSite.h"

#include "core/Settings.h"

namespace ProductSite {
QString pageAddress(const Settings& settings, const QString& path)
{
    QString host = settings.text(Settings::Key::ServiceHost).trimmed();
    if (host.isEmpty())
        host = Settings::kDefaultServiceHost;
    return QStringLiteral("http://") + host + path;
}
} // namespace ProductSite
