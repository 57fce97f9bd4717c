#pragma once

#include "platform/SystemServices.h"
#include "ui/CommandTable.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>

#include <functional>

class BookmarksWindow;
class MainWindow;
class PlayDispatch;
class PresetTable;
class ResultsModel;
class SearchRun;
class Settings;
class SetupDialog;
class ShellOpener;

// The main window's commands, filled into one command table: menu entries, toolbar buttons,
// grid gestures, preset buttons, genre shortcuts and the search box's keys.
class MainCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        MainWindow& window;
        SetupDialog& setup;
        SearchRun& search;
        PlayDispatch& play;
        PresetTable& presets;
        const ResultsModel& model;
        Settings& settings;
        ShellOpener& opener;
        SystemServices services;
    };

    explicit MainCommands(Parts parts, QObject* parent = nullptr);

    CommandTable& table() { return m_table; }
    // Set while the station scanning window is open: toolbar buttons are refused.
    void setScanActive(bool active) { m_scanActive = active; }
    bool scanActive() const { return m_scanActive; }

    // The bookmarks window, made when first needed; the station scanner's start.
    void setBookmarks(std::function<BookmarksWindow&()> bookmarks) { m_bookmarks = std::move(bookmarks); }
    void setScanStarter(std::function<void()> startScan) { m_startScan = std::move(startScan); }
    // The program's shut-down, which "E&xit", the close box and Esc in the search box run.
    void setShutDown(std::function<void()> shutDown) { m_shutDown = std::move(shutDown); }
    // Where a row's web site is previewed; none means no preview.
    void setPreview(std::function<void(const QString&)> preview) { m_preview = std::move(preview); }
    // The preview window closed: the same site previews again.
    void previewClosed() { m_lastPreviewSite.clear(); }
    const QString& lastPreviewSite() const { return m_lastPreviewSite; }
    // The about window's picture, copied from the splash.
    void setSplashPicture(const QPixmap& picture) { m_splashPicture = picture; }
    // Restores the checked state of "Open Mini-Browser on Preview".
    void restoreSettings();
    // Closes the help and about windows at shut-down.
    void closeWindows();

private:
    void addFileCommands();
    void addSearchCommands();
    void addRowCommands();
    void addBookmarkCommands();
    void addPresetCommands();
    void addHelpCommands();
    // Follows the search's state: the locked toolbar buttons and the Search button's face.
    void searchBusyChanged(bool busy);
    bool toolbarAllowed();

    void playCurrentRow();
    void visitWebsite();
    void copyLink();
    void emailLink();
    void addSelectedToBookmarks();
    void gridClicked(bool onRow);
    void pressPreset(int index);
    void clickPreset(int index);
    void enterPreset(int index);
    void assignPreset(int index, const QString& name, const QString& link);
    void showQuickHelp();
    void showAbout();
    void openServicePage(const QString& path);
    void openAddress(const QString& address);
    // Rules: whether the current row has a usable link or a web site; each tells the user when not.
    bool rowUsable();
    bool siteAvailable();
    void copyLinkBlock();
    void preview();

    Parts m_parts;
    CommandTable m_table;
    QString m_lastPreviewSite;
    QPixmap m_splashPicture;
    QPointer<QWidget> m_quickHelp;
    QPointer<QWidget> m_about;
    std::function<void(const QString&)> m_preview;
    std::function<BookmarksWindow&()> m_bookmarks;
    std::function<void()> m_startScan;
    std::function<void()> m_shutDown;
    bool m_scanActive = false;
};
