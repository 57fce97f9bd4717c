#include <cerrno>
#include <functional>
#include <memory>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "ProcessTable.h"
#include "TestFiles.h"
#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "platform/IniSettingsBacking.h"
#include "platform/UnixProcessControl.h"
#include "scanner/MarkerFiles.h"

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {
const QString kReal = u"projModr"_s;
const QString kMedia = u"projModm"_s;
const QString kLink = u"http://radio.example/live stream.ram"_s;

// What ends a station in the process-table test.
enum class StationEnd
{
    PlayerLeaves,
    TerminateMarker,
    ModuleKilled,
    ProgramKills
};

bool processGone(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}
} // namespace

Q_DECLARE_METATYPE(StationEnd)

class TestCompanion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        m_markers = m_home->filePath(u"data/"_s + kProductName);
        m_badStatus.clear();
        m_tag = QFileInfo(m_home->path()).fileName().toUtf8();
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(u"XDG_CONFIG_HOME"_s, m_home->filePath(u"config"_s));
        m_environment.insert(u"XDG_DATA_HOME"_s, m_home->filePath(u"data"_s));
        m_environment.insert(u"SKYLARK_COMPANION_PLAY_DELAY_MS"_s, u"50"_s);
        m_environment.insert(u"SKYLARK_TEST_STATION"_s, QString::fromUtf8(m_tag));
        m_environment.remove(u"SKYLARK_COMPANION_KILL_GRACE_MS"_s);
        m_environment.remove(u"SKYLARK_PROGRAM_PID"_s);
        m_realPlayer = writePlayer(u"real"_s);
        m_mediaPlayer = writePlayer(u"media"_s);
        storePlayers(m_realPlayer, m_mediaPlayer);
    }

    void cleanup()
    {
        for (QProcess* process : {&m_module, &m_program}) {
            process->kill();
            process->waitForFinished();
        }
        // Whatever a faulty module left behind.
        for (const qint64 pid : ProcessTable::withEnvironment("SKYLARK_TEST_STATION=" + m_tag))
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        QVERIFY2(m_badStatus.isEmpty(), qPrintable(m_badStatus.join(u" | "_s)));
    }

    // Each way a playing station ends: the module ends its player, leaves the done marker and exits.
    // The link reaches the player whole, after the words of a stored command line.
    void playerEnds_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("storedTail"); // after the quoted program, whose path holds blanks
        QTest::addColumn<QStringList>("leading");
        const QString shell = u"http://h/x?a=1&b=2;echo hi|cat>out $(id) `id` * ~"_s;
        const QString quotes = u"http://h/\"double\" 'single' \\back\\"_s;
        QTest::newRow("empty terminate marker, shell characters")
            << kReal << u"marker"_s << shell << QString() << QStringList();
        QTest::newRow("TERMINATE marker, non-ASCII")
            << kMedia << u"TERMINATE"_s << u"http://h/a b/Müsik  ☃.asx"_s << QString() << QStringList();
        QTest::newRow("SIGTERM, one word")
            << kReal << u"15"_s << shell << u" --flag"_s << QStringList{u"--flag"_s};
        QTest::newRow("SIGINT, quoted word") << kMedia << u"2"_s << quotes << u" --title \"two words\""_s
                                             << QStringList{u"--title"_s, u"two words"_s};
        QTest::newRow("SIGHUP") << kReal << u"1"_s << kLink << QString() << QStringList();
        QTest::newRow("program gone") << kMedia << u"program"_s << kLink << QString() << QStringList();
        QTest::newRow("player ends by itself") << kReal << u"player"_s << kLink << QString() << QStringList();
    }

    void playerEnds()
    {
        QFETCH(QString, module);
        QFETCH(QString, how);
        QFETCH(QString, link);
        QFETCH(QString, storedTail);
        QFETCH(QStringList, leading);
        const QString player = module == kReal ? u"real"_s : u"media"_s;
        const auto stored = [&](const QString& path) {
            return storedTail.isEmpty() ? path : u"\""_s + path + u"\""_s + storedTail;
        };
        storePlayers(stored(m_realPlayer), stored(m_mediaPlayer));
        if (how == u"program") {
            m_program.start(u"sleep"_s, {u"60"_s});
            QVERIFY(m_program.waitForStarted());
            m_environment.insert(u"SKYLARK_PROGRAM_PID"_s, QString::number(m_program.processId()));
        } else if (how == u"player") {
            writePlayer(player, u"exit 0\n"_s);
            // The player ends long before the usual play delay.
            m_environment.remove(u"SKYLARK_COMPANION_PLAY_DELAY_MS"_s);
        }
        startModule(module, link);
        if (how == u"player") {
            QVERIFY(moduleEnded());
            QVERIFY(!marker(MarkerFiles::kPlay));
            QCOMPARE(status(), "\"Player ended\"\r\n"_ba);
        } else {
            QVERIFY(waitFor([this] { return marker(MarkerFiles::kPlay); }));
            QCOMPARE(status(), "\"Playing\"\r\n"_ba);
            QVERIFY(!marker(MarkerFiles::kDone));
            QCOMPARE(recordedPid(player == u"real" ? u"media"_s : u"real"_s), 0);
        }
        const qint64 pid = recordedPid(player);
        QVERIFY(pid > 0);
        QCOMPARE(QString::fromUtf8(recorded(player, u"args"_s)), (leading << link).join(u'\n') + u'\n');
        if (how == u"marker" || how == u"TERMINATE") {
            QVERIFY(writeTerminate(how == u"marker" ? QByteArray() : "TERMINATE\r\n"_ba));
        } else if (how == u"program") {
            m_program.kill();
            QVERIFY(m_program.waitForFinished());
        } else if (how != u"player") {
            ::kill(static_cast<pid_t>(m_module.processId()), how.toInt());
        }
        QVERIFY(moduleEnded());
        QCOMPARE(m_module.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_module.exitCode(), 0);
        QVERIFY(marker(MarkerFiles::kDone));
        QVERIFY(processGone(pid));
    }

    void nothingOutlivesTheStation_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<StationEnd>("end");
        // Processes the player leaves running before the station ends, the player included.
        QTest::addColumn<int>("running");
        const QString ignoresTerm = u"trap '' TERM\nexec sleep 600\n"_s;
        const QString grandchildren = u"sh -c 'sleep 600 & exec sleep 600' &\nexec sleep 600\n"_s;
        const QString newSession = u"setsid sh -c \"trap '' TERM; exec sleep 600\" &\nexec sleep 600\n"_s;
        QTest::newRow("hands off and exits")
            << u"( exec sleep 600 ) &\nexit 0\n"_s << StationEnd::PlayerLeaves << 0;
        QTest::newRow("new session, exits")
            << u"setsid sleep 600 &\nexit 0\n"_s << StationEnd::PlayerLeaves << 0;
        QTest::newRow("ignores SIGTERM, marker") << ignoresTerm << StationEnd::TerminateMarker << 1;
        QTest::newRow("ignores SIGTERM, module killed") << ignoresTerm << StationEnd::ModuleKilled << 1;
        QTest::newRow("grandchildren, marker") << grandchildren << StationEnd::TerminateMarker << 3;
        QTest::newRow("grandchildren, program kills") << grandchildren << StationEnd::ProgramKills << 3;
        QTest::newRow("new session, marker") << newSession << StationEnd::TerminateMarker << 2;
        QTest::newRow("new session, program kills") << newSession << StationEnd::ProgramKills << 2;
    }

    void nothingOutlivesTheStation()
    {
        QFETCH(QString, body);
        QFETCH(StationEnd, end);
        QFETCH(int, running);
        writePlayer(u"real"_s, body);
        m_environment.insert(u"SKYLARK_COMPANION_KILL_GRACE_MS"_s, u"200"_s);
        startModule(kReal, kLink);
        const bool ownEnd = end == StationEnd::PlayerLeaves || end == StationEnd::TerminateMarker;
        if (end != StationEnd::PlayerLeaves) {
            // The play marker comes after the player has set itself up.
            QVERIFY(waitFor([&] { return marker(MarkerFiles::kPlay) && scanProcesses().size() == running; }));
        }
        if (end == StationEnd::TerminateMarker)
            QVERIFY(writeTerminate({}));
        else if (end == StationEnd::ModuleKilled)
            m_module.kill();
        else if (end == StationEnd::ProgramKills)
            UnixProcessControl().kill(m_module.processId());
        QVERIFY(moduleEnded());
        if (ownEnd) {
            // The module finishes only once nothing below it is left.
            QVERIFY(marker(MarkerFiles::kDone));
            QCOMPARE(scanProcesses(), QList<qint64>());
        }
        // Signals from the kernel arrive a moment later.
        QVERIFY(waitFor([this] { return scanProcesses().isEmpty(); }));
    }

    void nothingStarted_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QByteArray>("expectedStatus"); // none: a terminate marker is there first
        const QString player = u"%player%"_s;
        const QByteArray option = "\"The stream address begins with '-' and cannot be played.\"\r\n";
        const QByteArray control =
            "\"The stream address contains control characters and cannot be played.\"\r\n";
        QTest::newRow("leading dash") << kReal << player << u"-rf"_s << option;
        QTest::newRow("blank, then dash") << kMedia << player << u" --help http://a/"_s << option;
        QTest::newRow("control character") << kReal << player << u"http://a/\u0001b"_s << control;
        QTest::newRow("no link") << kReal << player << QString() << "\"No stream address was given.\"\r\n"_ba;
        QTest::newRow("no RealPlayer stored")
            << kReal << QString() << kLink << "\"Unable to locate RealPlayer.\"\r\n"_ba;
        QTest::newRow("no Media Player stored")
            << kMedia << u"  "_s << kLink << "\"Unable to locate Microsoft Media Player.\"\r\n"_ba;
        QTest::newRow("player not there")
            << kReal << u"/nonexistent/player --flag"_s << kLink << "\"Player could not be started\"\r\n"_ba;
        QTest::newRow("terminate marker already there") << kReal << player << kLink << QByteArray();
    }

    void nothingStarted()
    {
        QFETCH(QString, module);
        QFETCH(QString, stored);
        QFETCH(QString, link);
        QFETCH(QByteArray, expectedStatus);
        storePlayers(QString(stored).replace(u"%player%"_s, m_realPlayer),
                     QString(stored).replace(u"%player%"_s, m_mediaPlayer));
        if (expectedStatus.isEmpty())
            QVERIFY(writeTerminate("TERMINATE\r\n"));
        startModule(module, link);
        QVERIFY(moduleEnded());
        QCOMPARE(m_module.exitCode(), 1);
        QVERIFY(marker(MarkerFiles::kDone));
        QVERIFY(!marker(MarkerFiles::kPlay));
        QCOMPARE(status(), expectedStatus);
        QCOMPARE(recordedPid(u"real"_s), 0);
        QCOMPARE(recordedPid(u"media"_s), 0);
    }

private:
    QString writePlayer(const QString& name, const QString& body = u"exec sleep 60\n"_s);
    void storePlayers(const QString& real, const QString& netshow);
    void startModule(const QString& module, const QString& link);
    bool waitFor(const std::function<bool()>& condition);
    bool moduleEnded()
    {
        return waitFor([this] { return m_module.state() == QProcess::NotRunning; });
    }
    bool marker(const QString& name) const { return MarkerFiles::exists(m_markers, name); }
    bool writeTerminate(const QByteArray& content)
    {
        return TestFiles::write(MarkerFiles::path(m_markers, MarkerFiles::kTerminate), content);
    }
    QByteArray status() const { return TestFiles::read(MarkerFiles::path(m_markers, MarkerFiles::kStatus)); }
    // What the player recorded: "args" (one a line) or "pid".
    QByteArray recorded(const QString& player, const QString& file) const
    {
        return TestFiles::read(m_home->filePath(u"rec/%1/%2"_s.arg(player, file)));
    }
    qint64 recordedPid(const QString& player) const
    {
        return recorded(player, u"pid"_s).trimmed().toLongLong();
    }
    // Everything started for this test's station, the module itself aside.
    QList<qint64> scanProcesses() const
    {
        QList<qint64> found = ProcessTable::withEnvironment("SKYLARK_TEST_STATION=" + m_tag);
        found.removeAll(m_module.processId());
        return found;
    }

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_markers;
    QString m_realPlayer;
    QString m_mediaPlayer;
    QProcessEnvironment m_environment;
    QProcess m_module;
    QProcess m_program;
    QStringList m_badStatus;
    QByteArray m_tag;
};

// A player under a path with blanks; it records its arguments, then its id (so the id means both
// are written).
QString TestCompanion::writePlayer(const QString& name, const QString& body)
{
    const QString folder = m_home->filePath(u"rec/"_s + name);
    const QString path = m_home->filePath(u"players dir/"_s + name + u" player"_s);
    const QString script = u"#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1/args'\n"
                           u"echo $$ > '%1/pid.part'\nmv '%1/pid.part' '%1/pid'\n"_s.arg(folder) +
                           body;
    const bool made = QDir().mkpath(folder) && TestFiles::write(path, script.toUtf8()) &&
                      QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return made ? path : QString();
}

void TestCompanion::storePlayers(const QString& real, const QString& netshow)
{
    IniSettingsBacking backing(
        m_home->filePath(u"config/"_s + kProductName + u"/"_s + kProductName + u".ini"_s));
    Settings settings(backing);
    settings.setText(Settings::Key::Real, real);
    settings.setText(Settings::Key::Netshow, netshow);
}

void TestCompanion::startModule(const QString& module, const QString& link)
{
    m_module.setProcessEnvironment(m_environment);
    m_module.setProcessChannelMode(QProcess::ForwardedChannels);
    m_module.start(QStringLiteral(SKYLARK_BIN_DIR "/") + module, {link});
    QVERIFY(m_module.waitForStarted());
}

// Polls condition until it holds, checking on each pass that the status file is whole.
bool TestCompanion::waitFor(const std::function<bool()>& condition)
{
    static const QRegularExpression whole(u"\\A\"[^\"]*\"\\r\\n\\z"_s);
    const QDeadlineTimer deadline(5000);
    for (;;) {
        const bool holds = condition();
        QFile file(MarkerFiles::path(m_markers, MarkerFiles::kStatus));
        const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        if (file.isOpen() && !whole.match(text).hasMatch())
            m_badStatus.append(text);
        if (holds || deadline.hasExpired())
            return holds;
        QTest::qWait(5);
    }
}

QTEST_GUILESS_MAIN(TestCompanion)
#include "tst_companion.moc"
