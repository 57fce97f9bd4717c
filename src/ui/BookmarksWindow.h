#pragma once

#include <functional>

#include <QWidget>

#include "collections/BookmarkList.h"
#include "platform/SystemServices.h"

class BookmarkModel;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QStatusBar;

// frmBookmarks: the kept archive clips, played with a double-click and removed with the Delete
// key. The list is read from the data folder once, when the window is made, and written back
// after every change. Closing only hides the window; keep one for the program's life.
class BookmarksWindow : public QWidget
{
    Q_OBJECT

public:
    // Plays a stream link under a display name.
    using PlayFunction = std::function<void(const QString& link, const QString& name)>;

    static constexpr double kDesignWidth = 6000;
    static constexpr double kDesignHeight = 4500;
    static constexpr const char* kLiveRefusal =
        QT_TR_NOOP("Cannot add live stations to bookmarks, please use presets.");

    BookmarksWindow(QString dataFolder, SystemServices services, PlayFunction play,
                    QWidget* parent = nullptr);

    // Adds grid rows, given top to bottom, at the end of the list in that order, then saves.
    // Live rows are refused with a message.
    void addRows(const QList<BookmarkRow>& rowsInGridOrder, bool archiveMode);
    void showModeless();

    const BookmarkList& bookmarks() const;
    // The whole status text; the panel shortens what does not fit and shows all as a tool tip.
    QString statusText() const { return m_status; }
    // The list's context menu, shown by a right click or the Menu key.
    QMenu* contextMenu() const { return m_menu; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    bool save();
    void playCurrent();
    void deleteSelected();
    void showCurrentLink();
    void showMenu(const QPoint& position);
    void exportPlaylist();
    void importPlaylist();
    void setStatus(const QString& text);
    void fitStatus();
    void layOut();
    int twipsX(double twips) const;
    int twipsY(double twips) const;

    QString m_folder;
    SystemServices m_services;
    PlayFunction m_play;
    BookmarkModel* m_model = nullptr;
    QString m_playlistFolder;
    QString m_status;

    QListView* m_lstB = nullptr;
    QWidget* m_viewport = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QStatusBar* m_statbar = nullptr;
    QLabel* m_panel = nullptr;
    QMenu* m_menu = nullptr;
    bool m_placed = false;
};
