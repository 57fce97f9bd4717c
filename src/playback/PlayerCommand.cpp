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
