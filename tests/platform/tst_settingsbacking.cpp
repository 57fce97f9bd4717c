#include "platform/IniSettingsBacking.h"
#include "platform/SingleInstance.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QSettings>
#include <QTest>

class TestSettingsBacking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueSurvivesWriteAndRead_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("preset separator")
            << (QStringLiteral("WXYZ Radio") + QChar(0xFF) + QStringLiteral("http://h/a.ram"));
        QTest::newRow("double quotes") << QStringLiteral("say \"hi\" \"");
        QTest::newRow("backslashes") << QStringLiteral("C:\\Players\\real.exe \\\\x");
        QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree\r");
        QTest::newRow("leading at") << QStringLiteral("@Variant(x)");
        QTest::newRow("non-ASCII") << QStringLiteral("Zürich, Österreich ÿ 日本 🎵");
        QTest::newRow("empty") << QString();
    }

    void valueSurvivesWriteAndRead()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.ini"));
        {
            IniSettingsBacking backing(path);
            backing.write(QStringLiteral("Key"), value);
        }
        IniSettingsBacking reread(path);
        QCOMPARE(reread.read(QStringLiteral("Key"), QStringLiteral("default")), value);
        QVERIFY(reread.contains(QStringLiteral("Key")));
        // Byte for byte what QSettings itself writes: stored files stay readable either way.
        const QString plain = dir.filePath(QStringLiteral("plain.ini"));
        QSettings(plain, QSettings::IniFormat).setValue(QStringLiteral("Settings/Key"), value);
        QCOMPARE(TestFiles::read(path), TestFiles::read(plain));
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
        const QString path = dir.filePath(QStringLiteral("s.ini"));
        QVERIFY(TestFiles::write(path, before));
        IniSettingsBacking backing(path);
        QCOMPARE(backing.loadedWhole(), readWhole);
        const QString big(4000, u'x');
        backing.write(QStringLiteral("LastSearch"), big);

        bool result = false;
        {
            const TestFiles::SizeLimit limit{rlim_t(fileSizeLimit)};
            result = backing.sync();
        }

        QCOMPARE(result, saved);
        QCOMPARE(backing.saveError().isEmpty(), saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("s.ini")});
        if (!saved) {
            QCOMPARE(TestFiles::read(path), before);
            QVERIFY(backing.sync()); // still pending, saved once there is room
        }
        const QSettings stored(path, QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("Settings/LastSearch")).toString(), big);
        QCOMPARE(stored.value(QStringLiteral("Settings/ServiceHost")).toString(), QStringLiteral("h:1"));
    }

    void oneInstanceAtATime()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("instance.lock"));
        // A lock file naming a process that no longer exists, as a crash leaves it behind, is taken over.
        QVERIFY(TestFiles::write(lock, "999999\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                                           QSysInfo::machineHostName().toUtf8() + "\n"));
        SingleInstance first(lock);
        QVERIFY(first.isFirst());
        QCOMPARE(SingleInstance(lock).state(), SingleInstance::State::AnotherRunning);
        // A folder that cannot hold the lock is no other instance.
        QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("plain-file")), {}));
        const SingleInstance nowhere(dir.filePath(QStringLiteral("plain-file/instance.lock")));
        QCOMPARE(nowhere.state(), SingleInstance::State::Unwritable);
    }
};

QTEST_GUILESS_MAIN(TestSettingsBacking)
#include "tst_settingsbacking.moc"
