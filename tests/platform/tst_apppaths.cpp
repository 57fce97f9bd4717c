#include "platform/AppPaths.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The companions' folder: beside the program when built, the private folder when installed.
class TestAppPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
