#pragma once

#include "collections/PresetTable.h"
#include "platform/SystemServices.h"
#include "playback/PlayView.h"
#include "search/SearchView.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class CommandTable;
class PlayerPaths;
class PresetButton;
class ResultsGrid;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QRadioButton;
class QTableView;
class QTimer;
class QToolBar;
class QToolButton;
class ResultsModel;
class Settings;
class SetupDialog;
class ShellOpener;
class Tick;
enum class CommandId;

// What the main window needs from the rest of the program.
struct MainWindowContext
{
    Settings& settings;
    SystemServices services;
    ResultsModel& model;
    PlayerPaths& players;
    PresetTable& presets;
    ShellOpener& opener;
    Tick& tick;
};

// frmMain: the program's one long-lived window. It holds the controls and wires them to the
// command table; the work behind the commands lives in the classes the table calls.
class MainWindow : public QMainWindow, public SearchView, public PlayView
{
    Q_OBJECT

public:
    static constexpr double kDesignWidth = 7095;
    static constexpr double kDesignHeight = 5595;
    static constexpr double kMinWidth = 7935;
    static constexpr double kMinHeight = 5595;

    explicit MainWindow(MainWindowContext context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the menus and the toolbar from the table. toolbarClicked runs a toolbar button.
    void installCommands(CommandTable& commands, std::function<void(CommandId)> toolbarClicked);

    // Restores the controls' state kept in the settings store.
    void GetSettings(const PresetTable& presets);
    // Writes the controls' state to the settings store.
    void saveState(Settings& settings) const;
    // Closes the window for good (after shut-down has saved everything).
    void end();
    void closeAuxiliaryWindows();
    void LayoutMainWindow();

    SetupDialog& setupDialog() { return *m_setup; }
    ResultsGrid* grid() const { return m_grid; }
    QComboBox* searchBox() const { return m_txtSearch; }
    QToolButton* toolButton(int index) const { return m_toolButtons.at(std::size_t(index)); }
    PresetButton* presetButton(int index) const { return m_presetButtons.at(std::size_t(index)); }
    // Puts the unlit face on every preset button and lights index (none for -1).
    void lightPreset(int index);
    void setPresetToolTip(int index, const QString& name);
    void focusSearchBox();
    void setSplashPicture(const QPixmap& picture);
    const QPixmap& splashPicture() const { return m_splash; }
    bool previewOnClick() const;

    // Geometry in twips of the window's normal (not maximised or minimised) state: the frame's
    // position and the client area's size.
    QRectF normalGeometryTwips() const;
    void setGeometryTwips(double left, double top, double width, double height);
    double twipsToPixels(double twips) const;
    double pixelsToTwips(int pixels) const;

    // The current row's cell in column, empty without a current row.
    QString currentCell(int column) const;
    void showQuickHelp();
    void showAbout();
    void ShowStreamFormat();

    // SearchView
    QString searchText() const override;
    void setSearchText(const QString& text) override;
    void addHistoryEntry(const QString& text) override;
    void setSearchBoxEnabled(bool enabled) override;
    bool archiveMode() const override;
    void setModeButtonsEnabled(bool enabled) override;
    FormatFilters formatFilters() const override;
    void setToolbarButtonsEnabled(const QList<int>& positions, bool enabled) override;
    void setSearchButton(const QString& caption, const QString& toolTip, int image) override;
    void setStatusPanel(int panel, const QString& text) override;
    void setResultsCaption(const QString& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void setElapsedTimerRunning(bool running) override;
    void setGridRedraw(bool on) override;
    void layoutGrid() override;

    // PlayView
    void setStatus(const QString& text) override;
    void showSetupOnTab(int tab) override;
    void setPresetPointer(int index, int picture) override;

Q_SIGNALS:
    // The user asked to close the window (close box, Exit, Esc in the search box).
    void closeRequested();
    // Enter in the search box or a pick from its list.
    void searchSubmitted();
    void presetClicked(int index);
    void presetPressed(int index);
    void presetEnterPressed(int index);
    void stationDropped(int index, const QString& name, const QString& link);
    void gridClicked(bool onRow);
    void headerClicked(int column);
    // A genre shortcut of the "&Select Format" menu, by its place in the genre table.
    void genreChosen(int index);
    void playRequested();
    void elapsedTick();
    void modeChanged();
    // The "&Select Format" menu is about to open.
    void selectMenuShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildGrid();
    void buildMenus(CommandTable& commands);
    void buildGenreMenus();
    void buildToolbar(std::function<void(CommandId)> toolbarClicked);
    void buildStatusBar();
    void buildPresets();
    void restoreGeometryFromSettings();
    void layoutControls();
    void layoutGridColumns();
    void onSelectMenuShown();
    void setModeFromSettings();
    void onModeChanged();
    bool handleSearchBoxKey(int key);
    void startStationDrag(const QPoint& pos);

    MainWindowContext m_ctx;
    SetupDialog* m_setup = nullptr;
    bool m_ending = false;
    bool m_selectNoticeShown = false;
    bool m_searchBoxHadFocus = false;
    QPixmap m_splash;

    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    ResultsGrid* m_grid = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::array<QToolButton*, 7> m_toolButtons{};
    std::array<QLabel*, 3> m_panels{};
    QProgressBar* m_progBar = nullptr;
    QFrame* m_frameTop = nullptr;
    QFrame* m_frameSide = nullptr;
    QComboBox* m_txtSearch = nullptr;
    QRadioButton* m_optArch = nullptr;
    QRadioButton* m_optLive = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_labelS = nullptr;
    QLabel* m_lblMove = nullptr;
    QLabel* m_lblSearch = nullptr;
    QLabel* m_lblSearch2 = nullptr;
    std::array<PresetButton*, PresetTable::kCount> m_presetButtons{};
    QAction* m_menuOpen = nullptr;
    QMenu* m_menuSelect = nullptr;
    QPointer<QWidget> m_quickHelp;
    QPointer<QWidget> m_about;
};
