
#include "DirectoryProcess.h"
#include "ProcessCounters.h"
#include "ProgramFixture.h"

// Many searches in a row against the bundled directory service: what the program holds stays flat.
class TestLongRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manySearchesInARow()
    {
        DirectoryProcess directory;
        QVERIFY(directory.start({QStringLiteral("--port"), QStringLiteral("0")}));
        ProgramFixture fixture;
        fixture.writeSettings(
            {{QStringLiteral("ServiceHost"), QStringLiteral("127.0.0.1:%1").arg(directory.port())},
             {QStringLiteral("ConSpeed"), QStringLiteral("Cable/DSL")}});
        fixture.start();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.program->window().isVisible(), 10000);
        const QStringList words = strings({"jazz", "rock", "news", "classical", "radio"});
        for (int i = 0; i < 20; ++i) // warm-up: caches, fonts, the first connections
            QVERIFY(fixture.search(words.at(i % words.size())));
        [[maybe_unused]] const double memoryBefore = ProcessCounters::residentMiB();
        const qsizetype filesBefore = ProcessCounters::openFiles();
        for (int i = 0; i < 200; ++i)
            QVERIFY(fixture.search(words.at(i % words.size())));
        [[maybe_unused]] const double memoryAfter = ProcessCounters::residentMiB();
        const qsizetype filesAfter = ProcessCounters::openFiles();
        QVERIFY(fixture.services.dialogs.messages.isEmpty());
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's quarantine holds freed memory on purpose
        QVERIFY2(memoryAfter - memoryBefore < 20, qPrintable(QString::number(memoryAfter - memoryBefore)));
#endif
        QVERIFY2(filesAfter - filesBefore <= 4, qPrintable(QString::number(filesAfter - filesBefore)));
    }
};

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
