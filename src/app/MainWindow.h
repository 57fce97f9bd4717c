#pragma once

#include "app/AppState.h"
#include "app/Settings.h"
#include "collections/PresetTable.h"
#include "platform/SystemServices.h"
#include "playback/PlayView.h"
#include "playback/ShellOpener.h"
#include "search/SearchView.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class DefaultApps;
class HttpClient;
class PlayDispatch;
class QAction;
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
class SearchRun;
class SetupDialog;

// What the main window needs from the rest of the program.
struct MainWindowContext
{
    Settings& settings;
    AppState& state;
    SystemServices services;
    DefaultApps& defaultApps;
    // Folder of the files the program writes (markers, bookmarks).
    QString dataFolder;
};

// frmMain: the program's one long-lived window. It owns the controls, the one-second tick and
// the shut-down; the work behind its commands lives in the classes it calls.
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

    // Restores the state kept in the settings store.
    void GetSettings();
    // Saves all state and closes the window, which ends the program.
    void SaveSettingsAndEnd();
    // The one-second tick of Timer1: IdleSeconds and the terminate-marker watch.
    void Timer1Tick();
    void LayoutMainWindow();

    HttpClient& http() { return *m_http; }
    SetupDialog& setupDialog() { return *m_setup; }
    SearchRun& search() { return *m_search; }
    PlayDispatch& player() { return *m_play; }
    ResultsModel& results() { return *m_model; }
    PresetTable& presets() { return m_presets; }
    QTableView* grid() const { return m_grid; }
    void setSplashPicture(const QPixmap& picture);

    // Geometry in twips of the window's normal (not maximised or minimised) state.
    QRectF normalGeometryTwips() const;
    void setGeometryTwips(double left, double top, double width, double height);
    double twipsToPixels(double twips) const;
    double pixelsToTwips(int pixels) const;

    // Commands shared by menu entries and toolbar buttons.
    void playCurrentRow();
    void visitWebsite();
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
    // The window has saved its state and closed; the program ends.
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildGrid();
    void buildMenus();
    void buildFileMenu();
    void buildSearchMenu();
    void buildGenreMenus();
    void buildHelpMenu();
    void buildToolbar();
    void buildStatusBar();
    void buildPresets();
    QAction* addMenuAction(QMenu* menu, const QString& name, const QString& caption,
                           void (MainWindow::*handler)(), const QKeySequence& shortcut = {});
    void restoreGeometryFromSettings();
    void applyProxy();
    void saveState();
    void layoutControls();
    void layoutGridColumns();
    void onToolbarButton(const QString& caption);
    void onSelectMenuShown();
    void setModeFromSettings();
    void onModeChanged();
    void showSetupModeless();
    void showSetupModal();
    void openServicePage(const QString& path);
    void onAddStation();
    void onSupport();
    void onPresetClicked(int index);
    void play(const QString& link, const QString& name, int presetIndex);
    void onExit();
    void notYetAvailable() {}
    QString currentCell(int column) const;

    MainWindowContext m_ctx;
    ShellOpener m_opener;
    HttpClient* m_http = nullptr;
    HttpClient* m_streamHttp = nullptr;
    ResultsModel* m_model = nullptr;
    SearchRun* m_search = nullptr;
    PlayDispatch* m_play = nullptr;
    SetupDialog* m_setup = nullptr;
    PresetTable m_presets;
    bool m_ending = false;
    bool m_selectNoticeShown = false;

    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QLabel* m_picSplash = nullptr;
    QTableView* m_grid = nullptr;
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
    std::array<QToolButton*, PresetTable::kCount> m_presetButtons{};
    QAction* m_menuOpen = nullptr;
    QMenu* m_menuSelect = nullptr;
    QPointer<QWidget> m_quickHelp;
    QPointer<QWidget> m_about;
};
