#include "search/HttpProxy.h"

#include "core/Settings.h"

HttpProxy HttpProxy::fromSettings(const Settings& settings)
{
    HttpProxy proxy;
    proxy.host = settings.text(Settings::Key::ProxyHost).trimmed();
    proxy.port = portNumber(settings.text(Settings::Key::ProxyPort));
    return proxy;
}

QString HttpProxy::leadingNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end).unicode() < 128)
        ++end;
    qsizetype start = 0;
    while (start + 1 < end && trimmed.at(start) == QLatin1Char('0'))
        ++start;
    // Written back as decimal text: leading zeros go, a long number stays whole.
    return end == 0 ? QStringLiteral("0") : trimmed.mid(start, end - start);
}

quint16 HttpProxy::portNumber(const QString& text)
{
    const QString digits = leadingNumber(text);
    // More than five digits is out of range whatever they are.
    if (digits.size() > 5)
        return 0;
    const int port = digits.toInt();
    return port >= 1 && port <= 65535 ? static_cast<quint16>(port) : 0;
}
