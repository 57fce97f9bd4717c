#include "playback/PlayerDiscovery.h"

#include "core/ProductInfo.h"
#include "platform/DefaultApps.h"
#include "platform/SystemServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {
struct FamilyTypes
{
    const char* documentType;
    // An array, not an initializer_list: the list's elements would not outlive the
    // temporaries the table is copied from. Unused places are null.
    std::array<const char*, 5> mimeTypes;
};

// Types that players of each family declare, beside the one the MIME database gives the
// file-name ending: on some desktops ".ram" is application/ram, which players rarely list.
const std::array kFamilies{
    FamilyTypes{".ram",
                {"application/ram", "audio/x-pn-realaudio", "application/vnd.rn-realmedia",
                 "audio/vnd.rn-realaudio"}},
    FamilyTypes{
        ".asf",
        {"application/vnd.ms-asf", "video/x-ms-asf", "audio/x-ms-asx", "audio/x-ms-wma", "video/x-ms-wmv"}},
    FamilyTypes{"Winamp.file",
                {"audio/x-mpegurl", "application/vnd.apple.mpegurl", "audio/x-scpls", "audio/mpeg"}},
};

struct DocumentType
{
    Player player;
    const char* documentType;
    bool isTypeName;
};

const std::array kDiscoveryOrder{
    DocumentType{Player::Winamp, "Winamp.file", true},
    DocumentType{Player::RealPlayer, ".ram", false},
    DocumentType{Player::MediaPlayer, ".asf", false},
    DocumentType{Player::StreamWorks, ".xdm", false},
};

// Types every file or every text file has; their default application is no player.
bool isGeneric(const QString& mimeType)
{
    return mimeType == QLatin1String("application/octet-stream") || mimeType == QLatin1String("text/plain");
}

void appendFamily(QStringList& types, const QString& documentType)
{
    for (const FamilyTypes& family : kFamilies) {
        if (documentType.compare(QLatin1String(family.documentType), Qt::CaseInsensitive) != 0)
            continue;
        for (const char* type : family.mimeTypes) {
            if (type)
                types.append(QLatin1String(type));
        }
    }
}

// Field codes stand for files, addresses, the icon or the desktop file; the link is added
// by the launcher instead.
QString withoutFieldCodes(QString word)
{
    static const QRegularExpression fieldCode(QStringLiteral("%[fFuUickdDnNvm]"));
    return word.remove(fieldCode).replace(QLatin1String("%%"), QLatin1String("%"));
}

QString quotedWord(const QString& word)
{
    const bool needsQuotes = word.contains(QLatin1Char('"')) ||
                             std::any_of(word.begin(), word.end(), [](QChar c) { return c.isSpace(); });
    if (!needsQuotes)
        return word;
    QString inner = word;
    inner.replace(QLatin1String("\""), QLatin1String("\"\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString programOnPath(const QString& program)
{
    if (!program.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(program);
    const QFileInfo info(program);
    return info.isAbsolute() && info.isFile() && info.isExecutable() ? program : QString();
}

QString fromDesktopCommand(const QString& openCommand)
{
    QStringList words;
    for (const QString& word : QProcess::splitCommand(openCommand)) {
        const QString kept = withoutFieldCodes(word);
        if (!kept.isEmpty())
            words.append(kept);
    }
    if (words.isEmpty())
        return {};
    const QString program = programOnPath(words.constFirst());
    if (program.isEmpty())
        return {};
    if (words.size() == 1)
        return program; // a lone program stays a plain path, blanks and all
    words[0] = program;
    QStringList quoted;
    for (const QString& word : words)
        quoted.append(quotedWord(word));
    return quoted.join(QLatin1Char(' '));
}

QString fromWindowsCommand(const QString& openCommand, qsizetype exeAt)
{
    QString path = openCommand.left(exeAt + 4);
    while (path.startsWith(QLatin1Char(' ')) || path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    return path;
}
} // namespace

QString PlayerDiscovery::getShellCommand(const QString& s, bool skip)
{
    for (const QString& mimeType : mimeTypesFor(s, skip)) {
        const QString openCommand = m_apps.openCommandForMimeType(mimeType);
        if (!openCommand.isEmpty())
            return commandFromOpenCommand(openCommand);
    }
    return {};
}

QStringList PlayerDiscovery::mimeTypesFor(const QString& s, bool skip)
{
    QStringList types;
    if (!skip)
        types = extensionTypes(s);
    else if (s.contains(QLatin1Char('/')))
        types.append(s);
    appendFamily(types, s);
    types.removeDuplicates();
    return types;
}

QStringList PlayerDiscovery::extensionTypes(const QString& extension)
{
    const QString mimeType = m_apps.mimeTypeForExtension(extension);
    if (mimeType.isEmpty() || isGeneric(mimeType))
        return {};
    return QStringList{mimeType} + m_apps.aliasesOf(mimeType);
}

void PlayerDiscovery::discoverPlayers(PlayerPaths& paths)
{
    for (const DocumentType& entry : kDiscoveryOrder) {
        const QString stored = paths.stored(entry.player);
        if (!stored.isEmpty())
            paths.use(entry.player, stored);
        else
            paths.set(entry.player, getShellCommand(QLatin1String(entry.documentType), entry.isTypeName));
    }
}

QString PlayerDiscovery::commandFromOpenCommand(const QString& openCommand)
{
    if (openCommand.size() < 2)
        return {};
    const qsizetype exeAt = openCommand.indexOf(QLatin1String(".EXE"), 0, Qt::CaseInsensitive);
    if (exeAt >= 0)
        return fromWindowsCommand(openCommand, exeAt);
    return fromDesktopCommand(openCommand);
}

void PlayerDiscovery::showMissingPlayersWarning(Dialogs& dialogs)
{
    dialogs.message(MessageIcon::Critical, kAppTitle,
                    QCoreApplication::translate("PlayerDiscovery",
                                                "You are missing neccesary players to take full advantage of "
                                                "Skylark!'s functionality."));
    dialogs.message(MessageIcon::Information, kAppTitle,
                    QCoreApplication::translate(
                        "PlayerDiscovery",
                        "Please manually locate players or download by clicking on the appropriate "
                        "player logo and remember to close and restart Skylark! Broadcast after "
                        "installing a new player."));
}
