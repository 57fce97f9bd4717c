#include "Recorders.h"

#include "core/Settings.h"
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
    void storedCommandKeepsProgramWhole();
    void typesTriedInOrder();
    void discoveryOrderAndWriteBack();

private:
    QTemporaryDir m_dir;
    QString m_mpv;
    QString m_player; // a program whose path has a blank
};

namespace {
QString makeProgram(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    const bool made = file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n") > 0 &&
                      file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return made ? path : QString();
}
} // namespace

void TestPlayerDiscovery::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_mpv = makeProgram(m_dir.filePath(u"bin/mpv"_s));
    m_player = makeProgram(m_dir.filePath(u"My Players/play er"_s));
    // Only the test's own programs can be found, so "missing" is a sure result.
    qputenv("PATH", m_dir.filePath(u"bin"_s).toLocal8Bit());
}

void TestPlayerDiscovery::openCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quoted path, quoted %1")
        << uR"("C:\Program Files\Player\play.exe" "%1")"_s << uR"(C:\Program Files\Player\play.exe)"_s;
    QTest::newRow("arguments after .EXE")
        << uR"(C:\PLAYER\PLAY.EXE /ADD "%1")"_s << uR"(C:\PLAYER\PLAY.EXE)"_s;
    QTest::newRow("lower-case .exe") << uR"(c:\player\play.exe %1)"_s << uR"(c:\player\play.exe)"_s;
    QTest::newRow("program found on PATH") << u"mpv --player-operation-mode=pseudo-gui -- %U"_s
                                           << m_mpv + u" --player-operation-mode=pseudo-gui --"_s;
    QTest::newRow("every field code goes") << u"mpv %f %F %u %i %c %k --x=%U"_s << m_mpv + u" --x="_s;
    QTest::newRow("literal percent") << u"mpv --title=100%% %U"_s << m_mpv + u" --title=100%"_s;
    QTest::newRow("unknown program") << u"no-such-player %U"_s << QString();
    QTest::newRow("missing absolute program") << u"/nonexistent/player %U"_s << QString();
}

void TestPlayerDiscovery::openCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QCOMPARE(PlayerDiscovery::commandFromOpenCommand(command), expected);
}

void TestPlayerDiscovery::storedCommandKeepsProgramWhole()
{
    // What discovery stores must come apart again into the program and its arguments, the
    // link last and whole.
    const QString link = u"http://h/a b.ram"_s;
    const QString quotedArgument = u" \"--name=a \"\"\"b\"\"\"\" %U"_s;
    const auto lone = PlayerCommand::forLink(
        PlayerDiscovery::commandFromOpenCommand(u"\""_s + m_player + u"\" %U"_s), link);
    QVERIFY(lone);
    QCOMPARE(lone->program, m_player);
    QCOMPARE(lone->arguments, QStringList{link});
    const auto withArgument = PlayerCommand::forLink(
        PlayerDiscovery::commandFromOpenCommand(u"\""_s + m_player + u"\""_s + quotedArgument), link);
    QVERIFY(withArgument);
    QCOMPARE(withArgument->program, m_player);
    QCOMPARE(withArgument->arguments, (QStringList{u"--name=a \"b\""_s, link}));
    QVERIFY(!PlayerCommand::forLink(u"   "_s, link));
}

void TestPlayerDiscovery::typesTriedInOrder()
{
    // The shape of a stock desktop: ".ram" is application/ram, which the player does not
    // declare. Its aliases come next, then the rest of the family, each type asked once,
    // until one has an application.
    FakeDefaultApps apps;
    apps.types = {{u".ram"_s, u"application/ram"_s}};
    apps.aliases = {{u"application/ram"_s, {u"audio/x-pn-realaudio"_s}}};
    apps.commands = {{u"application/vnd.rn-realmedia"_s, u"mpv --player-operation-mode=pseudo-gui -- %U"_s},
                     {u"audio/vnd.rn-realaudio"_s, u"other %U"_s}};
    QCOMPARE(PlayerDiscovery(apps).getShellCommand(u".ram"_s, false),
             m_mpv + u" --player-operation-mode=pseudo-gui --"_s);
    QCOMPARE(apps.asked, (QStringList{u"application/ram"_s, u"audio/x-pn-realaudio"_s,
                                      u"application/vnd.rn-realmedia"_s}));
}

void TestPlayerDiscovery::discoveryOrderAndWriteBack()
{
    FakeDefaultApps apps;
    apps.types = {{u".ram"_s, u"application/ram"_s},
                  {u".asf"_s, u"application/vnd.ms-asf"_s},
                  {u"Winamp.file"_s, u"text/x-not-asked"_s},
                  {u".xdm"_s, u"text/plain"_s}};
    // Here ".xdm" is text/plain, a generic type: its editor is no player for StreamWorks.
    apps.commands = {{u"audio/x-scpls"_s, u"mpv %U"_s},
                     {u"application/vnd.ms-asf"_s, m_mpv + u" --wm %U"_s},
                     {u"text/plain"_s, u"mpv --editor %F"_s}};
    MemorySettingsBacking backing;
    Settings settings(backing);
    PlayerPaths paths(settings);
    PlayerDiscovery(apps).discoverPlayers(paths);

    QCOMPARE(backing.writes, (QStringList{u"Winamp"_s, u"Real"_s, u"Netshow"_s, u"StreamWorks"_s}));
    QVERIFY(!apps.asked.contains(u"text/x-not-asked"_s)); // "Winamp.file" is a type name, no ending
    QCOMPARE(paths[Player::Winamp], m_mpv);
    QCOMPARE(paths[Player::MediaPlayer], m_mpv + u" --wm"_s);
    QCOMPARE(backing.values, (QHash<QString, QString>{{u"Winamp"_s, m_mpv},
                                                      {u"Real"_s, QString()},
                                                      {u"Netshow"_s, m_mpv + u" --wm"_s},
                                                      {u"StreamWorks"_s, QString()}}));

    // At the next start a stored path stays in force even when stale; only the empty keys
    // are searched and written again.
    backing.values[u"Winamp"_s] = u"/uninstalled/winamp"_s;
    apps.commands[u"audio/x-pn-realaudio"_s] = u"mpv %U"_s;
    apps.asked.clear();
    backing.writes.clear();
    PlayerDiscovery(apps).discoverPlayers(paths);
    QCOMPARE(paths[Player::Winamp], u"/uninstalled/winamp"_s);
    QCOMPARE(paths[Player::RealPlayer], m_mpv);
    QCOMPARE(backing.writes, (QStringList{u"Real"_s, u"StreamWorks"_s}));
    QVERIFY(!apps.asked.contains(u"audio/x-scpls"_s));
}

QTEST_GUILESS_MAIN(TestPlayerDiscovery)
#include "tst_playerdiscovery.moc"
