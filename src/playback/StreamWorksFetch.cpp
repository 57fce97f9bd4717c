#include "playback/StreamWorksFetch.h"

#include <QUrl>

StreamWorksFetch::StreamWorksFetch(HttpClient& client, Tick& tick, QObject* parent)
    : QObject(parent), m_wait(client, tick, {.silenceTicks = kIdleLimit, .deadlineTicks = kDeadlineTicks})
{
    connect(&m_wait, &DocumentWait::finished, this, [this] { Q_EMIT finished(m_wait.result().body); });
}

void StreamWorksFetch::start(const QString& link)
{
    m_wait.cancel();
    const QString scheme = QUrl(link).scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        Q_EMIT finished(QString());
        return;
    }
    m_wait.start(link);
}

std::optional<QString> StreamWorksFetch::streamAddress(const QString& description)
{
    const qsizetype at = description.indexOf(QLatin1String("STREAM"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    // Skips the word and the one character after it ("=" or ":").
    QString address = description.mid(at + 7);
    for (const QChar end : {QChar(10), QChar(11), QChar(13)}) {
        const qsizetype cut = address.indexOf(end);
        if (cut >= 0)
            address.truncate(cut);
    }
    while (address.startsWith(QLatin1Char(' ')) || address.startsWith(QLatin1Char('=')))
        address.remove(0, 1);
    return address.trimmed();
}
