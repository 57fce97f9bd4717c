#include "Recorders.h"

#include "app/Settings.h"
#include "platform/DefaultApps.h"
#include "playback/PlayerCommand.h"
#include "playback/PlayerDiscovery.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// A desktop whose associations the test writes down: ending -> type, type -> aliases,
// type -> command. It records every type asked for.
class FakeDefaultApps : public DefaultApps
{
public:
    QString mimeTypeForExtension(const QString& extension) override { return types.value(extension); }
    QStringList aliasesOf(const QString& mimeType) override { return aliases.value(mimeType); }
    QString openCommandForMimeType(const QString& mimeType) override
    {
        asked.append(mimeType);
        return commands.value(mimeType);
    }

    QHash<QString, QString> types;
    QHash<QString, QStringList> aliases;
    QHash<QString, QString> commands;
    QStringList asked;
};

class TestPlayerDiscovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void openCommand_data();
    void openCommand();
    void desktopCommandKeepsProgramWhole();
    void typesTriedInOrder_data();
    void typesTriedInOrder();
    void genericTypeNeverPicksPlayer_data();
    void genericTypeNeverPicksPlayer();
    void firstTypeWithApplicationWins();
    void discoveryOrderAndWriteBack();
    void storedPathsAreNotSearchedAgain();
    void missingPlayersWarning();

private:
    QString makeProgram(const QString& relativePath);

    QTemporaryDir m_dir;
    QString m_mpv;
};

QString TestPlayerDiscovery::makeProgram(const QString& relativePath)
{
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestPlayerDiscovery::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_mpv = makeProgram(QStringLiteral("bin/mpv"));
    makeProgram(QStringLiteral("bin/env"));
    makeProgram(QStringLiteral("My Players/play er"));
    // Only the test's own programs can be found, so "missing" is a sure result.
    qputenv("PATH", m_dir.filePath(QStringLiteral("bin")).toLocal8Bit());
}

void TestPlayerDiscovery::openCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    const QString bin = m_dir.filePath(QStringLiteral("bin/"));
    const QString players = m_dir.filePath(QStringLiteral("My Players/"));

    QTest::newRow("quoted path, quoted %1")
        << uR"("C:\Program Files\Player\play.exe" "%1")"_s << uR"(C:\Program Files\Player\play.exe)"_s;
    QTest::newRow("arguments after .EXE")
        << uR"(C:\PLAYER\PLAY.EXE /ADD "%1")"_s << uR"(C:\PLAYER\PLAY.EXE)"_s;
    QTest::newRow("lower-case .exe") << uR"(c:\player\play.exe %1)"_s << uR"(c:\player\play.exe)"_s;
    QTest::newRow("leading blanks and quotes") << uR"(  "" C:\a.Exe" "%1")"_s << uR"(C:\a.Exe)"_s;
    QTest::newRow("too short") << u"x"_s << u""_s;
    QTest::newRow("empty") << u""_s << u""_s;
    QTest::newRow("mpv keeps its arguments") << u"mpv --player-operation-mode=pseudo-gui -- %U"_s
                                             << bin + u"mpv --player-operation-mode=pseudo-gui --"_s;
    QTest::newRow("every field code goes") << u"mpv %f %F %u %i %c %k --x=%U"_s << bin + u"mpv --x="_s;
    QTest::newRow("literal percent") << u"mpv --title=100%% %U"_s << bin + u"mpv --title=100%"_s;
    QTest::newRow("absolute program") << bin + u"mpv %U"_s << bin + u"mpv"_s;
    QTest::newRow("program through env") << u"env A=1 mpv %U"_s << bin + u"env A=1 mpv"_s;
    QTest::newRow("unknown program") << u"no-such-player %U"_s << u""_s;
    QTest::newRow("missing absolute program") << u"/nonexistent/player %U"_s << u""_s;
    QTest::newRow("relative program with slash") << u"bin/mpv %U"_s << u""_s;
    QTest::newRow("field codes only") << u"%U %f"_s << u""_s;
    QTest::newRow("quoted path with blank, alone")
        << u"\""_s + players + u"play er\" %U"_s << players + u"play er"_s;
    QTest::newRow("quoted path with blank and argument")
        << u"\""_s + players + u"play er\" --gui %U"_s << u"\""_s + players + u"play er\" --gui"_s;
}

void TestPlayerDiscovery::openCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QCOMPARE(PlayerDiscovery::commandFromOpenCommand(command), expected);
}

void TestPlayerDiscovery::desktopCommandKeepsProgramWhole()
{
    // What discovery stores must come apart again into the same program and arguments.
    const QString players = m_dir.filePath(QStringLiteral("My Players/"));
    const QString link = QStringLiteral("http://h/a b.ram");
    const QString alone = PlayerDiscovery::commandFromOpenCommand(u"\""_s + players + u"play er\" %U"_s);
    const auto aloneCommand = PlayerCommand::forLink(alone, link);
    QVERIFY(aloneCommand);
    QCOMPARE(aloneCommand->program, players + u"play er"_s);
    QCOMPARE(aloneCommand->arguments, QStringList{link});

    const QString withArgs = PlayerDiscovery::commandFromOpenCommand(
        u"\""_s + players + u"play er\" \"--name=a \"\"\"b\"\"\"\" %U"_s);
    const auto argsCommand = PlayerCommand::forLink(withArgs, link);
    QVERIFY(argsCommand);
    QCOMPARE(argsCommand->program, players + u"play er"_s);
    QCOMPARE(argsCommand->arguments, (QStringList{u"--name=a \"b\""_s, link}));
}

void TestPlayerDiscovery::typesTriedInOrder_data()
{
    QTest::addColumn<QString>("documentType");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow(".ram: own type, aliases, then the family")
        << u".ram"_s << false
        << QStringList{u"application/ram"_s, u"audio/x-ram-alias"_s, u"audio/x-pn-realaudio"_s,
                       u"application/vnd.rn-realmedia"_s, u"audio/vnd.rn-realaudio"_s};
    QTest::newRow(".asf: family repeats own type once")
        << u".asf"_s << false
        << QStringList{u"application/vnd.ms-asf"_s, u"video/x-ms-asf"_s, u"audio/x-ms-asx"_s,
                       u"audio/x-ms-wma"_s, u"video/x-ms-wmv"_s};
    QTest::newRow("Winamp.file is a type name")
        << u"Winamp.file"_s << true
        << QStringList{u"audio/x-mpegurl"_s, u"application/vnd.apple.mpegurl"_s, u"audio/x-scpls"_s,
                       u"audio/mpeg"_s};
    QTest::newRow(".xdm: its own type only") << u".xdm"_s << false << QStringList{u"application/x-xdm"_s};
    QTest::newRow("unregistered ending") << u".zzz"_s << false << QStringList{};
}

void TestPlayerDiscovery::typesTriedInOrder()
{
    QFETCH(QString, documentType);
    QFETCH(bool, skip);
    QFETCH(QStringList, expected);
    FakeDefaultApps apps;
    apps.types = {{u".ram"_s, u"application/ram"_s},
                  {u".asf"_s, u"application/vnd.ms-asf"_s},
                  {u".xdm"_s, u"application/x-xdm"_s}};
    apps.aliases = {{u"application/ram"_s, {u"audio/x-ram-alias"_s}},
                    {u"application/vnd.ms-asf"_s, {u"video/x-ms-asf"_s}}};
    PlayerDiscovery discovery(apps);
    QCOMPARE(discovery.mimeTypesFor(documentType, skip), expected);
    QVERIFY(discovery.getShellCommand(documentType, skip).isEmpty());
    QCOMPARE(apps.asked, expected);
}

void TestPlayerDiscovery::genericTypeNeverPicksPlayer_data()
{
    QTest::addColumn<QString>("genericType");
    QTest::newRow("octet-stream") << u"application/octet-stream"_s;
    QTest::newRow("text/plain") << u"text/plain"_s;
}

void TestPlayerDiscovery::genericTypeNeverPicksPlayer()
{
    QFETCH(QString, genericType);
    FakeDefaultApps apps;
    apps.types = {{u".xdm"_s, genericType}};
    apps.commands = {{genericType, m_mpv + u" %F"_s}};
    PlayerDiscovery discovery(apps);
    QCOMPARE(discovery.getShellCommand(QStringLiteral(".xdm"), false), QString());
    QVERIFY(!apps.asked.contains(genericType));
}

void TestPlayerDiscovery::firstTypeWithApplicationWins()
{
    // The shape of a stock desktop: ".ram" is application/ram, which the player does not
    // declare, while it does declare a later type of the family.
    FakeDefaultApps apps;
    apps.types = {{u".ram"_s, u"application/ram"_s}};
    apps.commands = {{u"audio/x-pn-realaudio"_s, u"mpv --player-operation-mode=pseudo-gui -- %U"_s},
                     {u"audio/vnd.rn-realaudio"_s, u"other %U"_s}};
    PlayerDiscovery discovery(apps);
    QCOMPARE(discovery.getShellCommand(QStringLiteral(".ram"), false),
             m_mpv + u" --player-operation-mode=pseudo-gui --"_s);
    QCOMPARE(apps.asked, (QStringList{u"application/ram"_s, u"audio/x-pn-realaudio"_s}));
}

void TestPlayerDiscovery::discoveryOrderAndWriteBack()
{
    FakeDefaultApps apps;
    apps.types = {{u".ram"_s, u"application/ram"_s}, {u".asf"_s, u"application/vnd.ms-asf"_s}};
    apps.commands = {{u"audio/x-scpls"_s, u"mpv %U"_s}, {u"application/vnd.ms-asf"_s, m_mpv + u" --wm %U"_s}};
    MemorySettingsBacking backing;
    Settings settings(backing);
    PlayerPaths paths;
    PlayerDiscovery(apps).discoverPlayers(settings, paths);

    QCOMPARE(backing.writes, (QStringList{u"Winamp"_s, u"Real"_s, u"Netshow"_s, u"StreamWorks"_s}));
    QCOMPARE(paths[Player::Winamp], m_mpv);
    QCOMPARE(paths[Player::MediaPlayer], m_mpv + u" --wm"_s);
    QCOMPARE(paths[Player::RealPlayer], QString());
    QCOMPARE(paths[Player::StreamWorks], QString());
    QCOMPARE(backing.values.value(u"Winamp"_s), m_mpv);
    QCOMPARE(backing.values.value(u"Netshow"_s), m_mpv + u" --wm"_s);
    QVERIFY(backing.values.contains(u"Real"_s));
    QCOMPARE(backing.values.value(u"Real"_s), QString());
}

void TestPlayerDiscovery::storedPathsAreNotSearchedAgain()
{
    FakeDefaultApps apps;
    apps.commands = {{u"audio/x-scpls"_s, u"mpv %U"_s}, {u"audio/x-pn-realaudio"_s, u"mpv %U"_s}};
    MemorySettingsBacking backing;
    backing.values = {
        {u"Winamp"_s, u"/uninstalled/winamp"_s}, {u"Real"_s, u""_s}, {u"Netshow"_s, u"/opt/wmp"_s}};
    Settings settings(backing);
    PlayerPaths paths;
    PlayerDiscovery(apps).discoverPlayers(settings, paths);

    // A stale path stays in force; only the empty keys are searched and written.
    QCOMPARE(paths[Player::Winamp], QStringLiteral("/uninstalled/winamp"));
    QCOMPARE(paths[Player::MediaPlayer], QStringLiteral("/opt/wmp"));
    QCOMPARE(paths[Player::RealPlayer], m_mpv);
    QCOMPARE(backing.writes, (QStringList{u"Real"_s, u"StreamWorks"_s}));
    QVERIFY(!apps.asked.contains(u"audio/x-scpls"_s));

    // An empty result is searched again at the next start.
    apps.asked.clear();
    backing.writes.clear();
    PlayerDiscovery(apps).discoverPlayers(settings, paths);
    QCOMPARE(backing.writes, QStringList{u"StreamWorks"_s});
}

void TestPlayerDiscovery::missingPlayersWarning()
{
    ScriptedDialogs dialogs;
    PlayerDiscovery::showMissingPlayersWarning(dialogs);
    QCOMPARE(dialogs.messages.size(), 2);
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(dialogs.messages[0].text, u"You are missing neccesary players to take full advantage of "
                                       u"Skylark!'s functionality."_s);
    QCOMPARE(dialogs.messages[1].icon, MessageIcon::Information);
    QCOMPARE(dialogs.messages[1].text,
             u"Please manually locate players or download by clicking on the appropriate player logo and "
             u"remember to close and restart Skylark! Broadcast after installing a new player."_s);
    for (const RecordedMessage& message : dialogs.messages)
        QCOMPARE(message.title, QStringLiteral("Skylark! Broadcast"));
}

QTEST_GUILESS_MAIN(TestPlayerDiscovery)
#include "tst_playerdiscovery.moc"
