#include "playback/PlayerCommand.h"

#include <QFileInfo>
#include <QProcess>

#include <algorithm>

std::optional<PlayerCommand> PlayerCommand::forLink(const QString& stored, const QString& link)
{
    if (QFileInfo(stored).isFile())
        return PlayerCommand{stored, {link}};
    QStringList words = QProcess::splitCommand(stored);
    if (words.isEmpty())
        return std::nullopt;
    const QString program = words.takeFirst();
    words.append(link);
    return PlayerCommand{program, words};
}

QString PlayerCommand::refusal(const QString& link)
{
    const bool hasControl =
        std::any_of(link.begin(), link.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (hasControl)
        return QStringLiteral("The stream address contains control characters and cannot be played.");
    if (link.trimmed().startsWith(QLatin1Char('-')))
        return QStringLiteral("The stream address begins with \"-\" and cannot be played.");
    return {};
}
