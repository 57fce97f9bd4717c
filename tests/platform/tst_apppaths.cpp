#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The companions' folder: beside the program when built, the private folder when installed.
class TestAppPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void companionDir_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        const QString installed = QStringLiteral("libexec/skylark-broadcast");
        QTest::newRow("build folder")
            << QStringList{QStringLiteral("bin/projModr"), QStringLiteral("bin/projModm")}
            << QStringLiteral("bin");
        QTest::newRow("installed") << QStringList{installed + QStringLiteral("/projModr"),
                                                  installed + QStringLiteral("/projModm")}
                                   << installed;
        QTest::newRow("beside the program wins")
            << QStringList{QStringLiteral("bin/projModr"), installed + QStringLiteral("/projModr")}
            << QStringLiteral("bin");
        // The scanner then reports the companions missing from the program's own folder.
        QTest::newRow("nowhere") << QStringList{} << QStringLiteral("bin");
        QTest::newRow("installed folder empty")
            << QStringList{installed + QStringLiteral("/other")} << QStringLiteral("bin");
        QTest::newRow("a folder named like a companion is not one")
            << QStringList{installed + QStringLiteral("/projModr/x")} << QStringLiteral("bin");
    }

    void companionDir()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        for (const QString& file : files) {
            QVERIFY(QDir(prefix.path()).mkpath(QFileInfo(file).path()));
            QFile created(prefix.filePath(file));
            QVERIFY(created.open(QIODevice::WriteOnly));
        }
        QCOMPARE(AppPaths::companionDir(prefix.filePath(QStringLiteral("bin"))), prefix.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
