#pragma once

#include "platform/SystemServices.h"
#include "search/HeaderSort.h"
#include "ui/CommandTable.h"

#include <QObject>

#include <functional>

class BookmarksWindow;
class MainWindow;
class PlayDispatch;
class PresetTable;
class ResultsModel;
class SearchRun;
class Settings;
class ShellOpener;

// The handlers of the main window's commands, filled into one command table: menu entries,
// toolbar buttons, grid gestures, preset buttons and genre shortcuts.
class MainCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        MainWindow& window;
        SearchRun& search;
        PlayDispatch& play;
        PresetTable& presets;
        ResultsModel& model;
        Settings& settings;
        ShellOpener& opener;
        SystemServices services;
    };

    explicit MainCommands(Parts parts, QObject* parent = nullptr);

    CommandTable& table() { return m_table; }
    // A toolbar button: refused while a station scan runs.
    void toolbarClicked(CommandId id);
    // Set while the station scanning window is open.
    void setScanActive(bool active) { m_scanActive = active; }
    bool scanActive() const { return m_scanActive; }

    void playCurrentRow();
    void visitWebsite();
    void genreSearch(int index);
    void copyLink();
    void emailLink();
    void sortByHeader(int column);
    // A click on the grid: on a data row it previews the row's web site.
    void gridClicked(bool onRow);

    // Preset buttons.
    void pressPreset(int index);
    void clickPreset(int index);
    void enterPreset(int index);
    void assignPreset(int index, const QString& name, const QString& link);

    // The bookmarks window, made when first needed; the station scanner's start.
    void setBookmarks(std::function<BookmarksWindow&()> bookmarks) { m_bookmarks = std::move(bookmarks); }
    void setScanStarter(std::function<void()> startScan) { m_startScan = std::move(startScan); }
    // "&Add Selected Items to Bookmarks": the selected rows, top to bottom.
    void addSelectedToBookmarks();

    // Where a row's web site is previewed; none means no preview.
    void setPreview(std::function<void(const QString&)> preview) { m_preview = std::move(preview); }
    // The preview window closed: the same site previews again.
    void previewClosed() { m_lastPreviewSite.clear(); }
    const QString& LastPreviewSite() const { return m_lastPreviewSite; }
    int GridSortOrder() const { return m_sort.GridSortOrder(); }

private:
    void addFileCommands();
    void addSearchCommands();
    void addHelpCommands();
    void openServicePage(const QString& path);
    // Puts the current row's link block on the clipboard; false (after telling) without one.
    bool copyLinkBlock();
    void preview();

    Parts m_parts;
    CommandTable m_table;
    HeaderSort m_sort;
    QString m_lastPreviewSite;
    std::function<void(const QString&)> m_preview;
    std::function<BookmarksWindow&()> m_bookmarks;
    std::function<void()> m_startScan;
    bool m_scanActive = false;
};
