#include "playback/PlayerCommand.h"
#include "playback/PlayerDiscovery.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPlayerDiscovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void openCommand_data();
    void openCommand();
    void storedCommandKeepsProgramWhole();

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

QTEST_GUILESS_MAIN(TestPlayerDiscovery)
#include "tst_playerdiscovery.moc"
