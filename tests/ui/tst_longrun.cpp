#include "search/SearchRun.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/SplashWindow.h"

#include "Recorders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Resident memory in MiB and open file descriptors of this process.
double residentMiB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * 4096 / (1024 * 1024) : 0;
}

qsizetype openFiles()
{
    return QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size();
}
} // namespace

// Long runs of the program against the bundled directory service: what it holds stays flat.
class TestLongRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void manySearchesInARow();

private:
    void search(const QString& text);

    QProcess m_directory;
    QTemporaryDir m_dir;
    TestServices m_services;
    NoDefaultApps m_apps;
    std::unique_ptr<Program> m_program;
};

void TestLongRun::initTestCase()
{
    m_directory.setProgram(QStringLiteral(SKYLARK_BIN_DIR "/skylark-directory"));
    m_directory.setArguments({u"--port"_s, u"0"_s});
    m_directory.setProcessChannelMode(QProcess::SeparateChannels);
    m_directory.setStandardErrorFile(QProcess::nullDevice());
    m_directory.start();
    QVERIFY(m_directory.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(m_directory.canReadLine(), 10000);
    const QString first = QString::fromUtf8(m_directory.readLine()).trimmed();
    QVERIFY2(first.startsWith(QLatin1String("listening ")), qPrintable(first));
    {
        QSettings settings(m_dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
        settings.setValue(u"Settings/ServiceHost"_s, first.mid(10));
        settings.setValue(u"Settings/ConSpeed"_s, u"Cable/DSL"_s);
    }
    m_program = std::make_unique<Program>(
        Program::Context{m_dir.filePath(u"settings.ini"_s), m_dir.path(), m_services.services(), m_apps});
    m_program->start();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* splash = qobject_cast<SplashWindow*>(widget); splash && splash->isVisible())
            Q_EMIT splash->countdownFinished();
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_program->window().isVisible(), 10000);
}

void TestLongRun::cleanupTestCase()
{
    m_program.reset();
    m_directory.kill();
    m_directory.waitForFinished(5000);
}

void TestLongRun::search(const QString& text)
{
    m_program->window().setSearchText(text);
    m_program->search().startSearch();
    QTRY_VERIFY_WITH_TIMEOUT(!m_program->search().isSearching(), 15000);
}

void TestLongRun::manySearchesInARow()
{
    const QStringList words{u"jazz"_s, u"rock"_s, u"news"_s, u"classical"_s, u"radio"_s};
    for (int i = 0; i < 20; ++i) // warm-up: caches, fonts, the first connections
        search(words.at(i % words.size()));
    const double memoryBefore = residentMiB();
    const qsizetype filesBefore = openFiles();
    for (int i = 0; i < 200; ++i)
        search(words.at(i % words.size()));
    const double memoryAfter = residentMiB();
    const qsizetype filesAfter = openFiles();
    qInfo("200 searches: resident memory %.1f -> %.1f MiB, open files %lld -> %lld", memoryBefore,
          memoryAfter, static_cast<long long>(filesBefore), static_cast<long long>(filesAfter));
    QVERIFY(m_services.dialogs.messages.isEmpty());
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's quarantine holds freed memory on purpose
    QVERIFY(memoryAfter - memoryBefore < 20);
#endif
    QVERIFY(filesAfter - filesBefore <= 4);
}

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
