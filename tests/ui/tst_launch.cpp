#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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
        std::array<std::unique_ptr<QProcess>, 2> programs;
        for (auto& program : programs) {
            program = std::make_unique<QProcess>();
            program->setProcessEnvironment(environment);
            program->setProgram(QStringLiteral(SKYLARK_BIN_DIR "/skylark-broadcast"));
        }
        for (auto& program : programs)
            program->start();
        for (auto& program : programs)
            QVERIFY(program->waitForStarted(5000));
        // One of them ends at once, quietly; the other goes on (its splash and start-up).
        QTRY_VERIFY_WITH_TIMEOUT(programs[0]->state() == QProcess::NotRunning ||
                                     programs[1]->state() == QProcess::NotRunning,
                                 10000);
        const int ended = programs[0]->state() == QProcess::NotRunning ? 0 : 1;
        QCOMPARE(programs.at(std::size_t(ended))->exitStatus(), QProcess::NormalExit);
        QCOMPARE(programs.at(std::size_t(ended))->exitCode(), 0);
        QTest::qWait(300);
        QCOMPARE(programs.at(std::size_t(1 - ended))->state(), QProcess::Running);
        programs.at(std::size_t(1 - ended))->kill();
        programs.at(std::size_t(1 - ended))->waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
