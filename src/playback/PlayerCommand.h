#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// How a player is started for one link, without a shell: the link is always one argument,
// whatever blanks, quotes or shell characters it holds.
struct PlayerCommand
{
    QString program;
    QStringList arguments;

    // A stored value that names an existing file is the program itself (blanks and all);
    // anything else is a command line whose first word is the program. Empty when the value
    // holds no program.
    static std::optional<PlayerCommand> forLink(const QString& stored, const QString& link);
};
