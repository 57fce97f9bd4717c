#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The built program as a user starts it: two starts at the same moment give one program.
class TestLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoLaunchesGiveOneProgram()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
        environment.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        QProcess programs[2];
        for (QProcess& program : programs) {
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(SKYLARK_BIN_DIR "/skylark-broadcast"), {});
        }
        for (QProcess& program : programs)
            QVERIFY(program.waitForStarted(5000));
        // One of them ends at once, quietly; the other goes on (its splash and start-up).
        const auto ended = [&programs](int i) { return programs[i].state() == QProcess::NotRunning; };
        QTRY_VERIFY_WITH_TIMEOUT(ended(0) || ended(1), 10000);
        QProcess& first = programs[ended(0) ? 0 : 1];
        QProcess& other = programs[ended(0) ? 1 : 0];
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        QTest::qWait(300);
        QCOMPARE(other.state(), QProcess::Running);
        other.kill();
        other.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
