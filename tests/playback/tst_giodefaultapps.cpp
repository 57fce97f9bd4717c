#include "Recorders.h"

#include "app/AppState.h"
#include "app/Settings.h"
#include "platform/GioDefaultApps.h"
#include "playback/PlayDispatch.h"
#include "playback/PlayView.h"
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
    void extensionTypes_data();
    void extensionTypes();
    void aliases();
    void openCommands_data();
    void openCommands();
    void discoveryOnTheDesktop();
    void discoveredPlayerGetsLinkUntouched();

private:
    void writeFile(const QString& relative, const QByteArray& content);
    void writeDesktopFile(const QString& id, const QString& exec, const QString& mimeTypes);
    void makeRecorder(const QString& relative);
    static void runTool(const QString& program, const QStringList& arguments);
};

// The real GIO lookups against a desktop made up by the test: its own MIME database, desktop
// files, desktop database and mimeapps.list under temporary XDG folders. GIO reads those
// folders once, so main() points the environment at them before anything else runs.
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
  <mime-type type="application/vnd.rn-realmedia"><comment>rm</comment><glob pattern="*.rm"/></mime-type>
  <mime-type type="application/vnd.ms-asf"><comment>asf</comment>
    <alias type="video/x-ms-asf"/><alias type="video/x-ms-wm"/><glob pattern="*.asf"/></mime-type>
  <mime-type type="audio/x-mpegurl"><comment>m3u</comment><sub-class-of type="text/plain"/>
    <alias type="audio/x-m3u"/><glob pattern="*.m3u"/></mime-type>
  <mime-type type="audio/x-scpls"><comment>pls</comment><sub-class-of type="text/plain"/>
    <glob pattern="*.pls"/></mime-type>
  <mime-type type="audio/mpeg"><comment>mp3</comment><glob pattern="*.mp3"/></mime-type>
</mime-info>
)";
} // namespace

void TestGioDefaultApps::writeFile(const QString& relative, const QByteArray& content)
{
    const QString path = rootPath(relative);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestGioDefaultApps::writeDesktopFile(const QString& id, const QString& exec, const QString& mimeTypes)
{
    const QString text = u"[Desktop Entry]\nType=Application\nName="_s + id + u"\nExec="_s + exec +
                         u"\nMimeType="_s + mimeTypes + u"\n"_s;
    writeFile(u"data/applications/"_s + id, text.toUtf8());
}

void TestGioDefaultApps::makeRecorder(const QString& relative)
{
    writeFile(relative, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.part\"\n"
                        "mv \"$0.part\" \"$0.args\"\n");
    QFile(rootPath(relative)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestGioDefaultApps::runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    QVERIFY2(tool.waitForFinished(60000), qPrintable(program + u" did not finish"_s));
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             qPrintable(program + u": "_s + QString::fromLocal8Bit(tool.readAllStandardError())));
}

void TestGioDefaultApps::initTestCase()
{
    QVERIFY(g_root && g_root->isValid());
    writeFile(u"data/mime/packages/skylark-test.xml"_s, kMimePackage);
    runTool(u"update-mime-database"_s, {rootPath(u"data/mime"_s)});

    makeRecorder(u"bin/realplay"_s);
    makeRecorder(u"bin/wmplay"_s);
    makeRecorder(u"bin/wmplay-chosen"_s);
    makeRecorder(u"bin/plsplay"_s);
    makeRecorder(u"bin/editor"_s);
    makeRecorder(u"bin/hexview"_s);
    const QString bin = rootPath(u"bin/"_s);
    // Declares only the old name of the RealAudio type.
    writeDesktopFile(u"realplay.desktop"_s, bin + u"realplay --gui -- %U"_s, u"audio/x-pn-realaudio;"_s);
    // Two players of the ".asf" type, one declaring it by an alias; mimeapps.list picks one.
    writeDesktopFile(u"wmplay.desktop"_s, bin + u"wmplay %U"_s, u"application/vnd.ms-asf;"_s);
    writeDesktopFile(u"wmplay-chosen.desktop"_s, bin + u"wmplay-chosen --one %F"_s, u"video/x-ms-asf;"_s);
    writeDesktopFile(u"plsplay.desktop"_s, bin + u"plsplay %U"_s, u"audio/x-scpls;"_s);
    // Generic handlers: the playlist types descend from text/plain, unknown endings are
    // application/octet-stream. Neither must be taken for a player.
    writeDesktopFile(u"editor.desktop"_s, bin + u"editor %F"_s, u"text/plain;"_s);
    writeDesktopFile(u"hexview.desktop"_s, bin + u"hexview %f"_s, u"application/octet-stream;"_s);
    // Chosen by hand for a type it does not declare.
    writeDesktopFile(u"mpegplay.desktop"_s, bin + u"plsplay --mpeg %U"_s, u""_s);
    runTool(u"update-desktop-database"_s, {rootPath(u"data/applications"_s)});

    writeFile(u"config/mimeapps.list"_s, "[Default Applications]\n"
                                         "application/vnd.ms-asf=wmplay-chosen.desktop\n"
                                         "text/plain=editor.desktop\n"
                                         "application/octet-stream=hexview.desktop\n"
                                         "audio/mpeg=mpegplay.desktop\n");
}

void TestGioDefaultApps::extensionTypes_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("mimeType");
    QTest::newRow(".ram") << ".ram"
                          << "application/ram";
    QTest::newRow(".RAM any case") << ".RAM"
                                   << "application/ram";
    QTest::newRow(".asf") << ".asf"
                          << "application/vnd.ms-asf";
    QTest::newRow(".xdm unknown") << ".xdm"
                                  << "application/octet-stream";
}

void TestGioDefaultApps::extensionTypes()
{
    QFETCH(QString, extension);
    QFETCH(QString, mimeType);
    QCOMPARE(GioDefaultApps().mimeTypeForExtension(extension), mimeType);
}

void TestGioDefaultApps::aliases()
{
    GioDefaultApps apps;
    QCOMPARE(apps.aliasesOf(u"application/vnd.ms-asf"_s),
             (QStringList{u"video/x-ms-asf"_s, u"video/x-ms-wm"_s}));
    QCOMPARE(apps.aliasesOf(u"video/x-ms-asf"_s),
             (QStringList{u"application/vnd.ms-asf"_s, u"video/x-ms-wm"_s}));
    QCOMPARE(apps.aliasesOf(u"application/ram"_s), QStringList{});
}

void TestGioDefaultApps::openCommands_data()
{
    const QString bin = rootPath(u"bin/"_s);
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<QString>("command");
    QTest::newRow("declared by alias") << "audio/vnd.rn-realaudio" << bin + u"realplay --gui -- %U"_s;
    QTest::newRow("asked by alias") << "audio/x-pn-realaudio" << bin + u"realplay --gui -- %U"_s;
    QTest::newRow("mimeapps.list default") << "application/vnd.ms-asf" << bin + u"wmplay-chosen --one %F"_s;
    QTest::newRow("default by hand, undeclared") << "audio/mpeg" << bin + u"plsplay --mpeg %U"_s;
    QTest::newRow("no player for the type") << "application/ram" << QString();
    QTest::newRow("text/plain parent is no player") << "audio/x-mpegurl" << QString();
    QTest::newRow("text/plain itself") << "text/plain" << bin + u"editor %F"_s;
    QTest::newRow("unknown type") << "application/x-skylark-none" << QString();
}

void TestGioDefaultApps::openCommands()
{
    QFETCH(QString, mimeType);
    QFETCH(QString, command);
    QCOMPARE(GioDefaultApps().openCommandForMimeType(mimeType), command);
}

void TestGioDefaultApps::discoveryOnTheDesktop()
{
    GioDefaultApps apps;
    MemorySettingsBacking backing;
    Settings settings(backing);
    PlayerPaths paths;
    PlayerDiscovery(apps).discoverPlayers(settings, paths);

    const QString bin = rootPath(u"bin/"_s);
    // ".ram" is application/ram, which nobody declares; the family's next type finds the player.
    QCOMPARE(paths[Player::RealPlayer], bin + u"realplay --gui --"_s);
    QCOMPARE(paths[Player::MediaPlayer], bin + u"wmplay-chosen --one"_s);
    // audio/x-mpegurl would give the editor; the Winamp family's .pls type gives the player.
    QCOMPARE(paths[Player::Winamp], bin + u"plsplay"_s);
    // An unknown ending is application/octet-stream, whose viewer is no player.
    QCOMPARE(paths[Player::StreamWorks], QString());
    QCOMPARE(backing.values.value(u"StreamWorks"_s, u"unset"_s), QString());
    QCOMPARE(backing.writes, (QStringList{u"Winamp"_s, u"Real"_s, u"Netshow"_s, u"StreamWorks"_s}));
}

namespace {
class ProcessLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

class StatusView : public PlayView
{
public:
    void setStatus(const QString& text) override { statuses.append(text); }
    void showSetupOnTab(int) override {}
    void setPresetPointer(int, int) override {}
    QStringList statuses;
};
} // namespace

void TestGioDefaultApps::discoveredPlayerGetsLinkUntouched()
{
    GioDefaultApps apps;
    MemorySettingsBacking backing;
    Settings settings(backing);
    AppState state;
    PlayerDiscovery(apps).discoverPlayers(settings, state.Players);

    TestServices recorders;
    ProcessLauncher processes;
    StatusView view;
    HttpClient client;
    PlayDispatch dispatch(
        state, {recorders.dialogs, processes, recorders.opener, recorders.clipboard, recorders.pointer},
        client, view);
    const QString link = u"http://radio.example/a b \"q\" 'x' $(id); id `id` | & $HOME.ram"_s;
    dispatch.launchURL(link, u"Station"_s, PlayDispatch::kNoPreset);

    const QString argsFile = rootPath(u"bin/realplay.args"_s);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile), 10000);
    QFile args(argsFile);
    QVERIFY(args.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(args.readAll()).split(u'\n'),
             (QStringList{u"--gui"_s, u"--"_s, link, QString()}));
    QCOMPARE(view.statuses.constLast(), u"Launching RealPlayer"_s);
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
