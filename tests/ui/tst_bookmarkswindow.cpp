#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "collections/BookmarkList.h"
#include "ui/BookmarksWindow.h"
#include "ui/DesktopServices.h"

#include "Recorders.h"
#include "TestFiles.h"

using namespace Qt::StringLiterals;

namespace {
struct Played
{
    QString link;
    QString name;
    bool operator==(const Played&) const = default;
};

QList<BookmarkRow> clips(int first, int count)
{
    QList<BookmarkRow> rows;
    for (int i = first; i < first + count; ++i)
        rows.append({u"Clip %1"_s.arg(i), u"part %1"_s.arg(i), u"http://example.org/%1.ram"_s.arg(i)});
    return rows;
}
} // namespace

// Beside the desktop test's path (add clips from the grid, play by mouse and Enter, close).
class TestBookmarksWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->filePath(u"data"_s);
        m_services = std::make_unique<TestServices>();
        m_played.clear();
    }
    void cleanup() { m_window.reset(); }

    // Live rows refused; new rows at the end, "[ ]" for an empty Additional; the link as plain text;
    // a double-click plays the current item, also below the last one, and nothing in an empty list.
    void addsAtTheEndShowsAndPlays()
    {
        makeWindow(m_folder);
        showWindow();
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        m_window->addRows(clips(1, 3), false);
        QCOMPARE(m_services->dialogs.messages.size(), 1);
        QCOMPARE(shownTexts(), QStringList());
        QVERIFY(!QFileInfo::exists(BookmarkList::filePath(m_folder)));
        m_window->addRows(clips(2, 1), true);
        list()->setCurrentIndex(list()->model()->index(0, 0));
        m_window->addRows({{u"<b>A</b>"_s, QString(), u"http://h/<i>"_s}, {u"B"_s, u"b"_s, u"http://b"_s}},
                          true);
        const QStringList three{u"Clip 2 [ part 2]"_s, u"<b>A</b> [ ]"_s, u"B [ b]"_s};
        QCOMPARE(shownTexts(), three);
        QCOMPARE(savedTexts(), three);
        QCOMPARE(m_services->dialogs.messages.size(), 1);
        const auto* panel = m_window->findChild<QStatusBar*>(u"statbar"_s)->findChild<QLabel*>();
        clickRow(1);
        QCOMPARE(panel->textFormat(), Qt::PlainText);
        QCOMPARE(panel->text(), u"http://h/<i>"_s);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowRect(2).bottomLeft() + QPoint(2, 10));
        QCOMPARE(m_played, (QList<Played>{{u"http://h/<i>"_s, u"<b>A</b> [ ]"_s}}));
    }

    void deleteKeyRemovesAdjacentAndUpwardSelections_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // a click, then each further click with Ctrl or Shift
        QTest::addColumn<Qt::KeyboardModifier>("modifier");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("adjacent pair") << QList<int>{1, 2} << Qt::ControlModifier << QList<int>{0, 3, 4, 5};
        QTest::newRow("upward range") << QList<int>{4, 1} << Qt::ShiftModifier << QList<int>{0, 5};
    }

    void deleteKeyRemovesAdjacentAndUpwardSelections()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(Qt::KeyboardModifier, modifier);
        QFETCH(QList<int>, left);
        makeWindow(m_folder);
        m_window->addRows(clips(0, 6), true);
        showWindow();
        clickRow(clicks.takeFirst());
        for (const int row : clicks)
            clickRow(row, modifier);
        QCOMPARE(QApplication::focusWidget(), list());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QStringList expected;
        for (const int row : left)
            expected << u"Clip %1 [ part %1]"_s.arg(row);
        QCOMPARE(shownTexts(), expected);
        QCOMPARE(savedTexts(), expected);
        QVERIFY(m_services->dialogs.messages.isEmpty()); // no confirmation question
    }

    void unreadableFileIsToldOnce()
    {
        QVERIFY(TestFiles::write(BookmarkList::filePath(m_folder), "not a bookmarks file\n"));
        makeWindow(m_folder);
        QCOMPARE(m_services->dialogs.messages.size(), 1);
        const QStringList aside = QDir(m_folder).entryList({u"Bookmarks.lst.unreadable-*"_s});
        QCOMPARE(aside.size(), 1);
        QVERIFY(m_services->dialogs.messages.constFirst().text.contains(aside.constFirst()));
        QCOMPARE(shownTexts(), QStringList());
        m_window->addRows(clips(1, 1), true);
        m_window->showModeless();
        m_window->close();
        QCOMPARE(savedTexts(), QStringList{u"Clip 1 [ part 1]"_s});
        QCOMPARE(m_services->dialogs.messages.size(), 1);
    }

    // Each failed save is told, and the list keeps what the user added.
    void failedSaveIsTold()
    {
        // The data folder's path runs through a plain file, so nothing can be written there.
        const QString blocker = m_dir->filePath(u"plain"_s);
        QVERIFY(TestFiles::write(blocker, {}));
        makeWindow(blocker + u"/data"_s);
        QVERIFY(m_services->dialogs.messages.isEmpty());
        m_window->addRows(clips(1, 2), true);
        QCOMPARE(m_services->dialogs.messages.size(), 1);
        QCOMPARE(shownTexts().size(), 2);
        m_window->showModeless();
        m_window->close();
        QCOMPARE(m_services->dialogs.messages.size(), 2);
    }

    void contextMenuExportsAndImports()
    {
        makeWindow(m_folder);
        m_window->addRows(clips(1, 3), true);
        showWindow();
        // Cancelling the dialog does nothing.
        const QString status = m_window->statusText();
        chooseFromMenu('e');
        QCOMPARE(m_services->dialogs.fileDialogs, 1);
        QCOMPARE(m_window->statusText(), status);
        // The file's format follows its name (the playlist tests cover both).
        m_services->dialogs.saveFileAnswer = m_dir->filePath(u"saved.pls"_s);
        chooseFromMenu('e');
        QVERIFY(m_window->statusText().startsWith(u"Exported 3 bookmarks"_s));
        // Links already kept and links that are not web addresses are counted, not added.
        const QString mixed = m_dir->filePath(u"mixed.m3u"_s);
        QVERIFY(TestFiles::write(
            mixed, "#EXTM3U\n#EXTINF:-1,Again\nhttp://example.org/2.ram\nfile:///etc/passwd\n"
                   "../local.mp3\n#EXTINF:-1,New\nhttps://example.org/new\nhttps://example.org/new\n"));
        m_services->dialogs.openFileAnswer = mixed;
        chooseFromMenu('i');
        QCOMPARE(m_window->bookmarks().count(), 4);
        QCOMPARE(m_window->bookmarks().at(3), (Bookmark{u"New"_s, u"https://example.org/new"_s}));
        QCOMPARE(savedTexts().size(), 4);
        QCOMPARE(m_window->statusText(),
                 u"Imported 1 bookmarks from %1; 2 already bookmarked; 2 not a stream address."_s.arg(mixed));
        // The right mouse button opens the same menu.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                     list()->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(list()->viewport(), &rightClick);
        QCOMPARE(QApplication::activePopupWidget(), m_window->contextMenu());
        m_window->contextMenu()->close();
    }

private:
    void makeWindow(const QString& folder)
    {
        m_window = std::make_unique<BookmarksWindow>(folder, m_services->services(),
                                                     [this](const QString& link, const QString& name) {
                                                         m_played.append({link, name});
                                                     });
    }
    void showWindow()
    {
        m_window->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    QListView* list() const { return m_window->findChild<QListView*>(u"lstB"_s); }
    QRect rowRect(int row) const { return list()->visualRect(list()->model()->index(row, 0)); }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (int i = 0; i < list()->model()->rowCount(); ++i)
            texts << list()->model()->index(i, 0).data().toString();
        return texts;
    }
    QStringList savedTexts() const
    {
        BookmarkList saved;
        saved.load(m_folder);
        QStringList texts;
        for (const Bookmark& bookmark : saved.items())
            texts << bookmark.text;
        return texts;
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, rowRect(row).center());
    }
    void chooseFromMenu(char key)
    {
        list()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
        QCOMPARE(QApplication::activePopupWidget(), m_window->contextMenu());
        QTest::keyClick(m_window->contextMenu(), key);
        QVERIFY(!m_window->contextMenu()->isVisible());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    std::unique_ptr<TestServices> m_services;
    QList<Played> m_played;
    std::unique_ptr<BookmarksWindow> m_window;
};

QTEST_MAIN(TestBookmarksWindow)
#include "tst_bookmarkswindow.moc"
