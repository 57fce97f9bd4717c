#include "search/ServerLookup.h"

ServerLookup::ServerLookup(HttpClient& client, Tick& tick, QObject* parent)
    : QObject(parent), m_wait(client, tick, {.deadlineTicks = kDeadlineTicks})
{
    connect(&m_wait, &DocumentWait::finished, this, &ServerLookup::onFinished);
}

void ServerLookup::start(const QString& serviceHost)
{
    m_serviceHost = serviceHost;
    m_wait.start(QStringLiteral("http://") + serviceHost + QStringLiteral("/redirect.asp?P=Q"));
}

void ServerLookup::giveUp()
{
    m_wait.stop();
}

QString ServerLookup::hostFromAnswer(const QString& answer, const QString& serviceHost)
{
    if (answer.isEmpty())
        return serviceHost;
    const qsizetype markup = answer.indexOf(QLatin1Char('<'));
    // Blanks and line breaks around the host name are not part of it.
    return (markup < 0 ? answer : answer.left(markup)).trimmed();
}

void ServerLookup::onFinished()
{
    // Only a whole answer with a success status names a host; an error page's text does not.
    const DocumentWait::Result& result = m_wait.result();
    Q_EMIT finished(hostFromAnswer(result.succeeded() ? result.body : QString(), m_serviceHost));
}
