#include "Recorders.h"
#include "TestFiles.h"

#include "core/Tick.h"
#include "platform/ProcessLauncher.h"
#include "core/Settings.h"
#include "platform/GioDefaultApps.h"
#include "playback/PlayDispatch.h"
#include "playback/PlayView.h"
#include "playback/PlayerCommand.h"
#include "playback/PlayerDiscovery.h"
#include "search/HttpClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestGioDefaultApps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void discoverAndPlay();
    void openCommand_data();
    void openCommand();
    void storedCommandKeepsProgramWhole();
};

// Real GIO lookups on a desktop the test makes under temporary XDG folders, which GIO reads
// once: main() points the environment at them before anything runs.
namespace {
QTemporaryDir* g_root = nullptr;

QString rootPath(const QString& relative)
{
    return g_root->filePath(relative);
}

const QByteArray kMimePackage = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="text/plain"><comment>text</comment><glob pattern="*.txt"/></mime-type>
  <mime-type type="application/ram"><comment>ram</comment><glob pattern="*.ram"/></mime-type>
  <mime-type type="audio/vnd.rn-realaudio"><comment>ra</comment>
    <alias type="audio/x-pn-realaudio"/><glob pattern="*.ra"/></mime-type>
  <mime-type type="application/vnd.ms-asf"><comment>asf</comment>
    <alias type="video/x-ms-asf"/><alias type="video/x-ms-wm"/><glob pattern="*.asf"/></mime-type>
  <mime-type type="audio/x-mpegurl"><comment>m3u</comment><sub-class-of type="text/plain"/>
    <alias type="audio/x-m3u"/><glob pattern="*.m3u"/></mime-type>
  <mime-type type="audio/x-scpls"><comment>pls</comment><sub-class-of type="text/plain"/>
    <glob pattern="*.pls"/></mime-type>
  <mime-type type="audio/mpeg"><comment>mp3</comment><glob pattern="*.mp3"/></mime-type>
</mime-info>
)";

void writeFile(const QString& relative, const QByteArray& content)
{
    QVERIFY(TestFiles::write(rootPath(relative), content));
}

// Discovery's launches go to a real program; the view only has to be there.
class NoView : public PlayView
{
public:
    void setStatus(const QString&) override {}
    void showSetupOnTab(int) override {}
    void setPresetPointer(int, int) override {}
};

void runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    QVERIFY2(tool.waitForFinished(60000), qPrintable(program + u" did not finish"_s));
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             qPrintable(program + u": "_s + QString::fromLocal8Bit(tool.readAllStandardError())));
}
} // namespace

void TestGioDefaultApps::initTestCase()
{
    QVERIFY(g_root && g_root->isValid());
    writeFile(u"data/mime/packages/skylark-test.xml"_s, kMimePackage);
    runTool(u"update-mime-database"_s, {rootPath(u"data/mime"_s)});

    // Every program records its arguments, one a line, in <program>.args.
    for (const char* name : {"realplay", "wmplay", "wmplay-chosen", "plsplay", "editor", "hexview", "mpv",
                             "My Players/play er"}) {
        const QString program = u"bin/"_s + QLatin1String(name);
        writeFile(program, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.part\"\n"
                           "mv \"$0.part\" \"$0.args\"\n");
        QFile(rootPath(program)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // realplay declares only an alias of its type; of the two ".asf" players mimeapps.list picks
    // one; editor and hexview are the generic handlers, no players; mpegplay is chosen by hand
    // for a type it does not declare.
    const QString bin = rootPath(u"bin/"_s);
    const QList<QStringList> apps{
        {u"realplay"_s, u"realplay --gui -- %U"_s, u"audio/x-pn-realaudio;"_s},
        {u"wmplay"_s, u"wmplay %U"_s, u"application/vnd.ms-asf;"_s},
        {u"wmplay-chosen"_s, u"wmplay-chosen --one %F"_s, u"video/x-ms-asf;"_s},
        {u"plsplay"_s, u"plsplay %U"_s, u"audio/x-scpls;"_s},
        {u"editor"_s, u"editor %F"_s, u"text/plain;"_s},
        {u"hexview"_s, u"hexview %f"_s, u"application/octet-stream;"_s},
        {u"mpegplay"_s, u"plsplay --mpeg %U"_s, QString()},
    };
    for (const QStringList& app : apps) {
        const QString text = u"[Desktop Entry]\nType=Application\nName="_s + app[0] + u"\nExec="_s + bin +
                             app[1] + u"\nMimeType="_s + app[2] + u"\n"_s;
        writeFile(u"data/applications/"_s + app[0] + u".desktop"_s, text.toUtf8());
    }
    runTool(u"update-desktop-database"_s, {rootPath(u"data/applications"_s)});
    // The test's own programs come first on the search path.
    qputenv("PATH", rootPath(u"bin:"_s).toLocal8Bit() + qgetenv("PATH"));

    writeFile(u"config/mimeapps.list"_s, "[Default Applications]\n"
                                         "application/vnd.ms-asf=wmplay-chosen.desktop\n"
                                         "text/plain=editor.desktop\n"
                                         "application/octet-stream=hexview.desktop\n"
                                         "audio/mpeg=mpegplay.desktop\n");
}

// Discovery on the made-up desktop, then a launch of what it found through a real program
// that records its arguments: the link must arrive as one argument, untouched by any shell.
void TestGioDefaultApps::discoverAndPlay()
{
    GioDefaultApps apps;
    const QString bin = rootPath(u"bin/"_s);
    // A default chosen by hand counts although the application does not declare the type, and
    // the generic handler is there, to be refused for the types that descend from it.
    QCOMPARE(apps.openCommandForMimeType(u"audio/mpeg"_s), bin + u"plsplay --mpeg %U"_s);
    QCOMPARE(apps.openCommandForMimeType(u"text/plain"_s), bin + u"editor %F"_s);

    MemorySettingsBacking backing;
    Settings settings(backing);
    PlayerPaths players(settings);
    PlayerDiscovery(apps).discoverPlayers(players);
    // ".ram" is application/ram, which nobody declares; the family's next type finds the player.
    QCOMPARE(players[Player::RealPlayer], bin + u"realplay --gui --"_s);
    QCOMPARE(players[Player::MediaPlayer], bin + u"wmplay-chosen --one"_s);
    // audio/x-mpegurl would give the editor; the Winamp family's .pls type gives the player.
    QCOMPARE(players[Player::Winamp], bin + u"plsplay"_s);
    // An unknown ending is application/octet-stream, whose viewer is no player.
    QCOMPARE(players[Player::StreamWorks], QString());
    // At the next start a stored path stays in force even when stale; only empty keys are searched.
    backing.values[u"Winamp"_s] = u"/uninstalled/winamp"_s;
    backing.writes.clear();
    PlayerDiscovery(apps).discoverPlayers(players);
    QCOMPARE(players[Player::Winamp], u"/uninstalled/winamp"_s);
    QCOMPARE(backing.writes, QStringList{u"StreamWorks"_s});

    TestServices recorders;
    ProcessLauncher processes;
    NoView view;
    HttpClient client;
    Tick tick;
    PlayDispatch dispatch(
        {recorders.dialogs, processes, recorders.opener, recorders.clipboard, recorders.pointer}, players,
        client, tick, view);
    const QString marker = rootPath(u"pwned"_s);
    const QString link = u"http://radio.example/a b \"q\" 'x' $(touch "_s + marker + u"); touch "_s + marker +
                         u" `id` | & > < * ~ $HOME.ram"_s;
    dispatch.launchURL(link, u"Station"_s, PlayDispatch::kNoPreset);

    const QString argsFile = rootPath(u"bin/realplay.args"_s);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile), 10000);
    QCOMPARE(QString::fromUtf8(TestFiles::read(argsFile)).split(u'\n'),
             (QStringList{u"--gui"_s, u"--"_s, link, QString()}));
    QVERIFY(!QFile::exists(marker));
}

void TestGioDefaultApps::openCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    const QString mpv = rootPath(u"bin/mpv"_s);
    QTest::newRow("quoted path, quoted %1")
        << uR"("C:\Program Files\Player\play.exe" "%1")"_s << uR"(C:\Program Files\Player\play.exe)"_s;
    QTest::newRow("arguments after .EXE")
        << uR"(C:\PLAYER\PLAY.EXE /ADD "%1")"_s << uR"(C:\PLAYER\PLAY.EXE)"_s;
    QTest::newRow("program found on PATH") << u"mpv --player-operation-mode=pseudo-gui -- %U"_s
                                           << mpv + u" --player-operation-mode=pseudo-gui --"_s;
    QTest::newRow("every field code goes") << u"mpv %f %F %u %i %c %k --x=%U"_s << mpv + u" --x="_s;
    QTest::newRow("literal percent") << u"mpv --title=100%% %U"_s << mpv + u" --title=100%"_s;
    QTest::newRow("unknown program") << u"no-such-player %U"_s << QString();
    QTest::newRow("missing absolute program") << u"/nonexistent/player %U"_s << QString();
}

void TestGioDefaultApps::openCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QCOMPARE(PlayerDiscovery::commandFromOpenCommand(command), expected);
}

// What discovery stores must come apart again into the program and its arguments, the link last
// and whole.
void TestGioDefaultApps::storedCommandKeepsProgramWhole()
{
    const QString link = u"http://h/a b.ram"_s;
    const QString player = rootPath(u"bin/My Players/play er"_s);
    const auto lone =
        PlayerCommand::forLink(PlayerDiscovery::commandFromOpenCommand(u"\""_s + player + u"\" %U"_s), link);
    QVERIFY(lone);
    QCOMPARE(lone->program, player);
    QCOMPARE(lone->arguments, QStringList{link});
    const auto withArgument = PlayerCommand::forLink(
        PlayerDiscovery::commandFromOpenCommand(u"\""_s + player + u"\" \"--name=a \"\"\"b\"\"\"\" %U"_s),
        link);
    QVERIFY(withArgument);
    QCOMPARE(withArgument->program, player);
    QCOMPARE(withArgument->arguments, (QStringList{u"--name=a \"b\""_s, link}));
    QVERIFY(!PlayerCommand::forLink(u"   "_s, link));
}

int main(int argc, char** argv)
{
    QTemporaryDir root;
    g_root = &root;
    qputenv("XDG_DATA_HOME", root.filePath(u"data"_s).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", root.filePath(u"system-data"_s).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root.filePath(u"config"_s).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", root.filePath(u"system-config"_s).toLocal8Bit());
    qunsetenv("XDG_CURRENT_DESKTOP");
    QCoreApplication app(argc, argv);
    TestGioDefaultApps test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_giodefaultapps.moc"
