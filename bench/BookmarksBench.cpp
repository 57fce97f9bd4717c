// A long bookmarks list: the bookmarks window opens a file of 100,000 bookmarks, then deletes
// entries with the Delete key as the user does, each delete followed by its save. Prints the
// times in milliseconds and their ratios to the one-second goal.

#include "collections/BookmarkList.h"
#include "ui/BookmarksWindow.h"
#include "ui/DesktopServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListView>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kBookmarks = 100000;
constexpr int kDeletes = 5;
constexpr double kGoalMs = 1000;

QString figure(const char* name, double ms)
{
    return QStringLiteral("%1_ms=%2 %1_ratio=%3")
        .arg(QLatin1String(name), QString::number(ms, 'f', 1), QString::number(ms / kGoalMs, 'f', 3));
}

double pressDelete(QListView* view)
{
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    BookmarkList list;
    for (int i = 0; i < kBookmarks; ++i)
        list.append({QStringLiteral("Clip %1 [ part %1]").arg(i),
                     QStringLiteral("http://clips.example.org/archive/%1.ram").arg(i)});
    QString error;
    if (!folder.isValid() || !list.save(folder.path(), error)) {
        std::fprintf(stderr, "cannot write the bookmarks file: %s\n", qPrintable(error));
        return 1;
    }

    // The file alone written again, without the window: most of what a delete costs.
    QElapsedTimer fileTimer;
    fileTimer.start();
    list.save(folder.path(), error);
    const double writeMs = double(fileTimer.nsecsElapsed()) / 1e6;

    DesktopServices desktop;
    QElapsedTimer timer;
    timer.start();
    BookmarksWindow window(folder.path(), desktop.services(), {});
    window.showModeless();
    // Lets the window lay out and paint once, as it does before the user sees it.
    QApplication::processEvents();
    const double openMs = double(timer.nsecsElapsed()) / 1e6;

    auto* view = window.findChild<QListView*>(QStringLiteral("lstB"));
    view->setFocus();
    double slowestMs = 0;
    for (int i = 0; i < kDeletes; ++i) {
        const QModelIndex middle = view->model()->index(view->model()->rowCount() / 2, 0);
        view->selectionModel()->setCurrentIndex(middle, QItemSelectionModel::ClearAndSelect);
        slowestMs = std::max(slowestMs, pressDelete(view));
    }
    view->selectAll();
    const double allMs = pressDelete(view);
    if (window.bookmarks().count() != 0) {
        std::fprintf(stderr, "%d bookmarks left after deleting all\n", window.bookmarks().count());
        return 1;
    }

    QTextStream(stdout) << "bookmarks=" << kBookmarks << ' ' << figure("open", openMs) << ' '
                        << figure("delete_one_slowest", slowestMs) << ' ' << figure("delete_all", allMs)
                        << ' ' << figure("file_write", writeMs) << '\n';
    return 0;
}
