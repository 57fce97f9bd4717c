#include <QApplication>
#include <QFile>
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

void writeAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}
} // namespace

class TestBookmarksWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void addsInGridOrderAndRefusesLive();
    void deleteKeyRemovesAdjacentAndUpwardSelections_data();
    void deleteKeyRemovesAdjacentAndUpwardSelections();
    void doubleClickPlaysAndClickShowsLink();
    void unreadableFileIsToldOnce();
    void failedSaveIsTold();
    void contextMenuExportsAndImports();

private:
    BookmarksWindow* makeWindow(const QString& folder);
    QListView* list() const { return m_window->findChild<QListView*>(u"lstB"_s); }
    QRect rowRect(int row) const { return list()->visualRect(list()->model()->index(row, 0)); }
    QStringList shownTexts() const;
    QStringList savedTexts() const;
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {});
    void chooseFromMenu(char key);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    TestServices m_services;
    QList<Played> m_played;
    std::unique_ptr<BookmarksWindow> m_window;
};

void TestBookmarksWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath(u"data"_s);
    m_services.dialogs.messages.clear();
    m_services.dialogs.saveFileAnswer.reset();
    m_services.dialogs.openFileAnswer.reset();
    m_played.clear();
}

void TestBookmarksWindow::cleanup()
{
    m_window.reset();
}

BookmarksWindow* TestBookmarksWindow::makeWindow(const QString& folder)
{
    m_window = std::make_unique<BookmarksWindow>(folder, m_services.services(),
                                                 [this](const QString& link, const QString& name) {
                                                     m_played.append({link, name});
                                                 });
    return m_window.get();
}

QStringList TestBookmarksWindow::shownTexts() const
{
    QStringList texts;
    for (int i = 0; i < list()->model()->rowCount(); ++i)
        texts << list()->model()->index(i, 0).data().toString();
    return texts;
}

QStringList TestBookmarksWindow::savedTexts() const
{
    BookmarkList saved;
    saved.load(m_folder);
    QStringList texts;
    for (const Bookmark& bookmark : saved.items())
        texts << bookmark.text;
    return texts;
}

void TestBookmarksWindow::clickRow(int row, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, rowRect(row).center());
}

void TestBookmarksWindow::chooseFromMenu(char key)
{
    list()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QCOMPARE(popup, m_window->contextMenu());
    QTest::keyClick(popup, key);
    QVERIFY(!m_window->contextMenu()->isVisible());
}

void TestBookmarksWindow::addsInGridOrderAndRefusesLive()
{
    makeWindow(m_folder);
    m_window->addRows(clips(1, 3), false); // live stations are refused
    QCOMPARE(m_services.dialogs.messages.size(), 1);
    QCOMPARE(shownTexts(), QStringList());
    QVERIFY(!QFileInfo::exists(BookmarkList::filePath(m_folder)));

    // With an item current, rows still go to the end in grid order and the file follows at once;
    // an empty Additional still shows its brackets.
    m_window->addRows(clips(2, 2), true);
    m_window->showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    list()->setCurrentIndex(list()->model()->index(0, 0));
    m_window->addRows({{u"A"_s, QString(), u"http://a"_s}, {u"B"_s, u"b"_s, u"http://b"_s}}, true);
    const QStringList four{u"Clip 2 [ part 2]"_s, u"Clip 3 [ part 3]"_s, u"A [ ]"_s, u"B [ b]"_s};
    QCOMPARE(shownTexts(), four);
    QCOMPARE(savedTexts(), four);
    QCOMPARE(m_services.dialogs.messages.size(), 1);
}

void TestBookmarksWindow::deleteKeyRemovesAdjacentAndUpwardSelections_data()
{
    QTest::addColumn<QList<int>>("clicks"); // a click, then each further click with Ctrl or Shift
    QTest::addColumn<Qt::KeyboardModifier>("modifier");
    QTest::addColumn<QList<int>>("left");
    QTest::newRow("adjacent pair") << QList<int>{1, 2} << Qt::ControlModifier << QList<int>{0, 3, 4, 5};
    QTest::newRow("scattered") << QList<int>{5, 0, 3} << Qt::ControlModifier << QList<int>{1, 2, 4};
    QTest::newRow("upward range") << QList<int>{4, 1} << Qt::ShiftModifier << QList<int>{0, 5};
}

void TestBookmarksWindow::deleteKeyRemovesAdjacentAndUpwardSelections()
{
    QFETCH(QList<int>, clicks);
    QFETCH(Qt::KeyboardModifier, modifier);
    QFETCH(QList<int>, left);

    makeWindow(m_folder);
    m_window->addRows(clips(0, 6), true);
    m_window->showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
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
    QVERIFY(m_services.dialogs.messages.isEmpty()); // no confirmation question
}

void TestBookmarksWindow::doubleClickPlaysAndClickShowsLink()
{
    makeWindow(m_folder);
    m_window->showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(m_played.isEmpty()); // nothing current in an empty list

    m_window->addRows({{u"<b>Bold</b> & co"_s, u"x"_s, u"http://h/<i>"_s}}, true);
    m_window->addRows(clips(1, 2), true);
    const auto* panel = m_window->findChild<QStatusBar*>(u"statbar"_s)->findChild<QLabel*>();
    QCOMPARE(panel->textFormat(), Qt::PlainText);

    clickRow(0);
    QCOMPARE(m_window->statusText(), u"http://h/<i>"_s);
    clickRow(2);
    QCOMPARE(panel->text(), u"http://example.org/2.ram"_s);

    // A double-click arrives as a click followed by a double-click event.
    for (const int row : {1, 0}) {
        clickRow(row);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowRect(row).center());
    }
    // Below the last item the current one plays.
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowRect(2).bottomLeft() + QPoint(2, 10));
    QCOMPARE(m_played, (QList<Played>{{u"http://example.org/1.ram"_s, u"Clip 1 [ part 1]"_s},
                                      {u"http://h/<i>"_s, u"<b>Bold</b> & co [ x]"_s},
                                      {u"http://h/<i>"_s, u"<b>Bold</b> & co [ x]"_s}}));
}

void TestBookmarksWindow::unreadableFileIsToldOnce()
{
    QVERIFY(QDir().mkpath(m_folder));
    writeAll(BookmarkList::filePath(m_folder), "not a bookmarks file\n");
    makeWindow(m_folder);
    QCOMPARE(m_services.dialogs.messages.size(), 1);
    // The message names the copy kept aside.
    const QStringList aside = QDir(m_folder).entryList({u"Bookmarks.lst.unreadable-*"_s});
    QCOMPARE(aside.size(), 1);
    QVERIFY(m_services.dialogs.messages.constFirst().text.contains(aside.constFirst()));
    QCOMPARE(shownTexts(), QStringList());

    m_window->addRows(clips(1, 1), true);
    m_window->showModeless();
    m_window->close();
    QCOMPARE(savedTexts(), QStringList{u"Clip 1 [ part 1]"_s});
    QCOMPARE(m_services.dialogs.messages.size(), 1);
}

void TestBookmarksWindow::failedSaveIsTold()
{
    // The data folder's path runs through a plain file, so nothing can be written there.
    const QString blocker = m_dir->filePath(u"plain"_s);
    writeAll(blocker, {});
    makeWindow(blocker + u"/data"_s);
    QVERIFY(m_services.dialogs.messages.isEmpty());

    m_window->addRows(clips(1, 2), true);
    QCOMPARE(m_services.dialogs.messages.size(), 1);
    QCOMPARE(shownTexts().size(), 2); // the list keeps what the user added

    // Closing saves again, and tells again.
    m_window->showModeless();
    m_window->close();
    QCOMPARE(m_services.dialogs.messages.size(), 2);
}

void TestBookmarksWindow::contextMenuExportsAndImports()
{
    makeWindow(m_folder);
    m_window->addRows(clips(1, 3), true);
    m_window->showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // Cancelling the dialog does nothing.
    const QString status = m_window->statusText();
    const int dialogs = m_services.dialogs.fileDialogs;
    chooseFromMenu('e');
    QCOMPARE(m_services.dialogs.fileDialogs, dialogs + 1);
    QCOMPARE(m_window->statusText(), status);

    // The file's format follows its name (the playlist tests cover both).
    m_services.dialogs.saveFileAnswer = m_dir->filePath(u"saved.pls"_s);
    chooseFromMenu('e');
    QVERIFY(m_window->statusText().startsWith(u"Exported 3 bookmarks"_s));

    // Links already kept and links that are not web addresses are counted, not added.
    const QString mixed = m_dir->filePath(u"mixed.m3u"_s);
    writeAll(mixed, "#EXTM3U\n#EXTINF:-1,Again\nhttp://example.org/2.ram\nfile:///etc/passwd\n../local.mp3\n"
                    "#EXTINF:-1,New\nhttps://example.org/new\nhttps://example.org/new\n");
    m_services.dialogs.openFileAnswer = mixed;
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

QTEST_MAIN(TestBookmarksWindow)
#include "tst_bookmarkswindow.moc"
