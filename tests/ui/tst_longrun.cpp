
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
        const auto searches = [&](int count) {
            for (int i = 0; i < count; ++i) {
                if (!fixture.search(words.at(i % words.size())))
                    return false;
            }
            return true;
        };
        QVERIFY(searches(20)); // warm-up: caches, fonts, the first connections
        [[maybe_unused]] const double memoryBefore = ProcessCounters::residentMiB();
        const qsizetype filesBefore = ProcessCounters::openFiles();
        QVERIFY(searches(200));
        QVERIFY(fixture.services.dialogs.messages.isEmpty());
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's quarantine holds freed memory on purpose
        QCOMPARE_LT(ProcessCounters::residentMiB() - memoryBefore, 20);
#endif
        QCOMPARE_LE(ProcessCounters::openFiles() - filesBefore, 4);
    }
};

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
