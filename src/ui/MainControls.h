#pragma once

#include "collections/StationPayload.h"
#include "search/GridLayout.h"

#include <array>

class PresetStrip;
class PresetTable;
class QComboBox;
class QFrame;
class QLabel;
class QMainWindow;
class QPoint;
class QProgressBar;
class QRadioButton;
class QWidget;
class ResultsGrid;
class ResultsIconModel;
class ResultsModel;
class SearchBox;

// The main window's controls, made with their object names and laid out in twips at the
// window's resolution: the "Search" band, the search frame beside the preset strip, the
// "Search Results" band with the progress bar, the grid filling the rest and the status bar.
// The grid's columns share its inner width by mode.
struct MainControls
{
    static constexpr double kMinWidth = 7935;
    static constexpr double kMinHeight = 5595;
    static constexpr double kDesignHeight = 5595;

    // Makes the controls in window's client area.
    static MainControls make(QMainWindow& window, ResultsModel& model, const PresetTable& presets);

    // Starts a drag of station from the grid (pos in its viewport): the carrier label beside
    // the pointer, as wide as a preset.
    void dragStation(const QPoint& pos, const StationPayload::Station& station) const;
    void layOut() const;
    // The client width the laid-out controls need side by side.
    int neededWidth() const;
    // A screen reader announces the grid's description: the result count and the search's state.
    void describeGrid() const;
    void layOutColumns(bool archiveMode) const;

    QWidget* client = nullptr;
    QLabel* searchBand = nullptr;
    QFrame* searchFrame = nullptr;
    QLabel* hint = nullptr;
    SearchBox* searchBox = nullptr;
    QRadioButton* live = nullptr;
    QRadioButton* archive = nullptr;
    PresetStrip* presets = nullptr;
    QLabel* resultsBand = nullptr;
    QProgressBar* progress = nullptr;
    ResultsGrid* grid = nullptr;
    ResultsIconModel* gridModel = nullptr;
    // The label a station drag carries.
    QLabel* dragLabel = nullptr;
    std::array<QLabel*, 3> panels{};

private:
    void makeSearchFrame();
    void makeGrid(ResultsModel& model);
    void makeStatusBar(QMainWindow& window);
    void fitColumnsToText(bool archiveMode, std::array<int, GridLayout::kColumns>& widths) const;
    int px(double twips) const;
    // twips in pixels, or needed where that is more.
    int atLeast(double twips, int needed) const;
};
