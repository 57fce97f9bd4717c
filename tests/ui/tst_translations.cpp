#include "Recorders.h"
#include "collections/PresetTable.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "platform/UnixProcessControl.h"
#include "scanner/ScanModules.h"
#include "search/HttpClient.h"
#include "ui/BookmarksWindow.h"
#include "ui/MainCommands.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/ScanPresetDialog.h"
#include "ui/ScanWindow.h"
#include "ui/SetupDialog.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {
void checkUnique(const QString& where, const QStringList& texts)
{
    QHash<QChar, QString> seen;
    for (const QString& text : texts) {
        const qsizetype at = QString(text).replace(u"&&"_s, u"__"_s).indexOf(u'&');
        if (at < 0 || at + 1 >= text.size())
            continue;
        const QChar key = text.at(at + 1).toUpper();
        QVERIFY2(!seen.contains(key), qPrintable(where + u": "_s + seen.value(key) + u" / "_s + text));
        seen.insert(key, text);
    }
}

// The window's menus, each on its own, and the controls of the window itself.
void checkWindow(QWidget& window)
{
    QList<const QWidget*> menus;
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        menus.append(bar);
    for (const QMenu* menu : window.findChildren<QMenu*>())
        menus.append(menu);
    for (const QWidget* menu : menus) {
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts.append(action->text());
        checkUnique(window.objectName() + u'/' + menu->objectName(), texts);
    }
    QStringList texts;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->window() == &window)
            texts.append(button->text());
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->window() == &window && label->buddy())
            texts.append(label->text());
    for (const QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; tabs->window() == &window && i < tabs->count(); ++i)
            texts.append(tabs->tabText(i));
    checkUnique(window.objectName(), texts);
}
} // namespace

// In each translation the access keys of every menu and every window's controls stay unique.
class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accessKeysAreUnique_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << u"de"_s;
        QTest::newRow("Spanish") << u"es"_s;
    }

    void accessKeysAreUnique()
    {
        QFETCH(QString, language);
        Translations::install(*qApp, QLocale(language));
        QTemporaryDir dir;
        TestServices services;
        NoDefaultApps apps;
        Program program({dir.filePath(u"settings.ini"_s), dir.path(), services.services(), apps});
        MainWindow& main = program.window();
        QVERIFY2(main.menuBar()->actions().constFirst()->text() != u"&File"_s,
                 "the translation was not loaded");
        MemorySettingsBacking backing;
        Settings settings(backing);
        PresetTable presets;
        MainMenus::rowMenu(main, program.commands().table(), presets,
                           {u"Station"_s, u"http://s.example/a.ram"_s});
        Tick tick;
        UnixProcessControl processes;
        ScanModules modules(processes, tick);
        HttpClient client;
        BookmarksWindow bookmarks(dir.path(), services.services(), {});
        ScanWindow scan(ScanWindow::Context{settings, presets, services.services(), modules, client, tick,
                                            dir.path(), dir.path(), u"127.0.0.1:1"_s, nullptr, nullptr,
                                            nullptr});
        for (QWidget* window : QList<QWidget*>{&main, &program.setupDialog(), &bookmarks, &scan})
            checkWindow(*window);
    }

    void cleanup()
    {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
