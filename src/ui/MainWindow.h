#pragma once

#include "playback/PlayView.h"
#include "search/SearchView.h"
#include "ui/MainControls.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class CommandTable;
class PresetStrip;
class PresetTable;
class ResultsGrid;
class ResultsModel;
class Settings;
class SetupDialog;
class SearchBox;

// frmMain: the program's one long-lived window. It holds the controls, shows what the search
// and play layers tell it, and hands every gesture to the command table.
class MainWindow : public QMainWindow, public SearchView, public PlayView
{
    Q_OBJECT

public:
    // The grid shows model; the window itself only reads it.
    MainWindow(ResultsModel& model, const PresetTable& presets, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the menus and toolbar from the table and sends the controls' gestures to it.
    void installCommands(CommandTable& commands);
    // The setup dialog holds the format filters a search reads and the player tabs play opens.
    void setSetupDialog(SetupDialog& setup) { m_setup = &setup; }

    // Restores the mode, the last search, the presets' stations and the window's place.
    void restoreSettings(const Settings& settings);
    // Writes the window's state to the settings store.
    void saveState(Settings& settings) const;
    // Closes the window for good (after shut-down has saved everything).
    void end();

    ResultsGrid* grid() const { return m_controls.grid; }
    SearchBox* searchBox() const { return m_controls.searchBox; }
    PresetStrip& presetStrip() const { return *m_controls.presets; }
    void focusSearchBox();

    // The grid's current row (-1 without one) and its cell in column.
    int currentRow() const;
    QString currentCell(int column) const;
    QList<int> selectedRows() const;
    void selectFirstRow();
    // The mode buttons changed: the hint and the grid's columns follow.
    void showMode();

    // SearchView
    QString searchText() const override;
    void setSearchText(const QString& text) override;
    void addHistoryEntry(const QString& text) override;
    void setSearchBoxEnabled(bool enabled) override;
    bool archiveMode() const override;
    void setModeButtonsEnabled(bool enabled) override;
    FormatFilters formatFilters() const override;
    void setStatusPanel(int panel, const QString& text) override;
    void setResultsCaption(const QString& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void setGridRedraw(bool on) override;
    void layoutGrid() override;

    // PlayView
    void setStatus(const QString& text) override;
    void showSetupOnTab(int tab) override;
    void setPresetPointer(int index, int picture) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void layOut();
    void showStreamFormat();
    void showProgress();
    // Shows a value at once, or at most kPaceMs after the last one shown.
    struct Pace
    {
        QElapsedTimer shown;
        bool waiting = false;
    };
    template <typename Show> void showPaced(Pace& pace, Show show);
    void startStationDrag(const QPoint& pos);

    const ResultsModel& m_model;
    const PresetTable& m_presetTable;
    CommandTable* m_commands = nullptr;
    SetupDialog* m_setup = nullptr;
    bool m_ending = false;
    // The locked control that had the focus when a search began.
    QPointer<QWidget> m_focusBeforeSearch;
    static constexpr qint64 kPaceMs = 50;
    int m_progressMaximum = 1;
    int m_progressValue = 0;
    Pace m_progressPace;
    std::array<QString, 3> m_panelTexts;
    std::array<Pace, 3> m_panelPaces;
    MainControls m_controls;
};
