#include "platform/AppPaths.h"
#include "platform/IniSettingsBacking.h"
#include "platform/SingleInstance.h"
#include "platform/WindowPlacement.h"

#include "TestFiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The settings file, the one-instance lock, the companions' folder and windows kept on the screen.
class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueSurvivesWriteAndRead_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("preset separator") << (u"WXYZ Radio"_s + QChar(0xFF) + u"http://h/a.ram"_s);
        QTest::newRow("double quotes") << u"say \"hi\" \""_s;
        QTest::newRow("backslashes") << u"C:\\Players\\real.exe \\\\x"_s;
        QTest::newRow("line breaks") << u"one\ntwo\r\nthree\r"_s;
        QTest::newRow("leading at") << u"@Variant(x)"_s;
        QTest::newRow("non-ASCII") << u"Zürich, Österreich ÿ 日本 🎵"_s;
        QTest::newRow("empty") << QString();
    }

    void valueSurvivesWriteAndRead()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"s.ini"_s);
        {
            IniSettingsBacking backing(path);
            backing.write(u"Key"_s, value);
        }
        IniSettingsBacking reread(path);
        QCOMPARE(reread.read(u"Key"_s, u"default"_s), value);
        QVERIFY(reread.contains(u"Key"_s));
        // Byte for byte what QSettings itself writes: stored files stay readable either way.
        const QString plain = dir.filePath(u"plain.ini"_s);
        QSettings(plain, QSettings::IniFormat).setValue(u"Settings/Key"_s, value);
        QCOMPARE(TestFiles::read(path), TestFiles::read(plain));
    }

    // Nothing reaches the file key by key; one sync writes them all.
    void manyWritesMakeOneFileWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"s.ini"_s);
        IniSettingsBacking backing(path);
        for (int i = 0; i < 500; ++i)
            backing.write(u"Key"_s + QString::number(i), QString::number(i));
        QVERIFY(!QFile::exists(path));
        QVERIFY(backing.sync());
        QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys().size(), 500);
    }

    void saveReplacesOrKeepsTheFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("readWhole");
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        QTest::addColumn<bool>("saved");
        // A disk that fills up during the save: this process may not grow a file past 1000 bytes.
        QTest::newRow("disk full") << QByteArray("[Settings]\nConSpeed=Cable/DSL\nServiceHost=h:1\n") << true
                                   << 1000 << false;
        // A line that is no setting makes the start-up read incomplete, not the later save.
        QTest::newRow("partly unreadable at start")
            << QByteArray("[Settings]\nConSpeed=Cable/DSL\nnot a setting\nServiceHost=h:1\n") << false << 0
            << true;
    }

    void saveReplacesOrKeepsTheFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, readWhole);
        QFETCH(int, fileSizeLimit);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"s.ini"_s);
        QVERIFY(TestFiles::write(path, before));
        IniSettingsBacking backing(path);
        QCOMPARE(backing.loadedWhole(), readWhole);
        const QString big(4000, u'x');
        backing.write(u"LastSearch"_s, big);

        bool result = false;
        {
            const TestFiles::SizeLimit limit{rlim_t(fileSizeLimit)};
            result = backing.sync();
        }

        QCOMPARE(result, saved);
        QCOMPARE(backing.saveError().isEmpty(), saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"s.ini"_s});
        if (!saved) {
            QCOMPARE(TestFiles::read(path), before);
            QVERIFY(backing.sync()); // still pending, saved once there is room
        }
        const QSettings stored(path, QSettings::IniFormat);
        QCOMPARE(stored.value(u"Settings/LastSearch"_s).toString(), big);
        QCOMPARE(stored.value(u"Settings/ServiceHost"_s).toString(), u"h:1"_s);
    }

    void oneInstanceAtATime()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(u"instance.lock"_s);
        // A lock file naming a process that no longer exists, as a crash leaves it behind, is taken over.
        QVERIFY(TestFiles::write(lock, "999999\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                                           QSysInfo::machineHostName().toUtf8() + "\n"));
        SingleInstance first(lock);
        QVERIFY(first.isFirst());
        // A folder that cannot hold the lock is no other instance.
        QVERIFY(TestFiles::write(dir.filePath(u"plain-file"_s), {}));
        const SingleInstance nowhere(dir.filePath(u"plain-file/instance.lock"_s));
        QCOMPARE(nowhere.state(), SingleInstance::State::Unwritable);
    }

    // The companions' folder: beside the program when built, the private folder when installed.
    void companionDir_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        const QString lib = u"libexec/skylark-broadcast/"_s;
        QTest::newRow("build folder") << QStringList{u"bin/projModr"_s, u"bin/projModm"_s} << u"bin"_s;
        QTest::newRow("installed") << QStringList{lib + u"projModr"_s, lib + u"projModm"_s} << lib.chopped(1);
        QTest::newRow("beside the program wins")
            << QStringList{u"bin/projModr"_s, lib + u"projModr"_s} << u"bin"_s;
        // The scanner then reports the companions missing from the program's own folder.
        QTest::newRow("installed folder empty") << QStringList{lib + u"other"_s} << u"bin"_s;
        QTest::newRow("a folder named like a companion is not one")
            << QStringList{lib + u"projModr/x"_s} << u"bin"_s;
    }

    void companionDir()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(u"bin"_s));
        for (const QString& file : files)
            QVERIFY(TestFiles::write(prefix.filePath(file), {}));
        QCOMPARE(AppPaths::companionDir(prefix.filePath(u"bin"_s)), prefix.filePath(expected));
    }

    // A window stored for another screen shrinks first, then its frame moves onto the screen.
    void fitOnScreen_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QRect>("expected");
        // The screen's area is 0,30 1000x700; the frame adds 4 px at sides and bottom, 20 px on top.
        QTest::newRow("already on screen") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
        QTest::newRow("stored at twice the scale") << QRect(800, 600, 2400, 1600) << QRect(4, 50, 992, 676);
        QTest::newRow("wider than the screen") << QRect(100, 100, 5000, 300) << QRect(4, 100, 992, 300);
        QTest::newRow("past the right and bottom") << QRect(900, 650, 400, 300) << QRect(596, 426, 400, 300);
        QTest::newRow("above and left of the screen") << QRect(-300, -50, 400, 300) << QRect(4, 50, 400, 300);
        QTest::newRow("title bar under a top panel") << QRect(100, 35, 400, 300) << QRect(100, 50, 400, 300);
        QTest::newRow("smaller than the minimum") << QRect(100, 100, 50, 20) << QRect(100, 100, 200, 100);
    }

    void fitOnScreen()
    {
        QFETCH(QRect, client);
        QFETCH(QRect, expected);
        const QRect available(0, 30, 1000, 700);
        const QMargins frame(4, 20, 4, 4);
        const QRect fitted = WindowPlacement::fit(client, frame, available, QSize(200, 100));
        QCOMPARE(fitted, expected);
        QVERIFY(available.contains(fitted.marginsAdded(frame)));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
