#include "ui/MainControls.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QCoreApplication>
#include <QDrag>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

#include "core/Settings.h"
#include "platform/Twips.h"
#include "search/GridLayout.h"
#include "ui/PresetButton.h"
#include "ui/PresetStrip.h"
#include "ui/ResultsGrid.h"
#include "ui/ResultsIconModel.h"
#include "ui/SearchBox.h"

namespace {
constexpr double kTopHeight = 1140;
constexpr double kBandHeight = 255;
constexpr double kSideWidth = 2880;

QLabel* band(const char* objectName, const char* text, QWidget* parent)
{
    auto* label = new QLabel(QCoreApplication::translate("MainWindow", text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setStyleSheet(QStringLiteral("QLabel { background: #1d3b5c; color: white; font-weight: bold; }"));
    return label;
}
} // namespace

MainControls MainControls::make(QMainWindow& window, ResultsModel& model, const PresetTable& presets)
{
    MainControls controls;
    controls.client = new QWidget(&window);
    controls.client->setObjectName(QStringLiteral("frmMainClient"));
    window.setCentralWidget(controls.client);
    controls.searchBand = band("lblSearch", QT_TRANSLATE_NOOP("MainWindow", "  Search"), controls.client);
    controls.resultsBand =
        band("lblSearch2", QT_TRANSLATE_NOOP("MainWindow", "  Search Results"), controls.client);
    controls.makeSearchFrame();
    controls.presets = new PresetStrip(presets, controls.client);
    controls.makeGrid(model);
    controls.progress = new QProgressBar(controls.client);
    controls.progress->setObjectName(QStringLiteral("progBar"));
    controls.progress->setTextVisible(false);
    controls.progress->setRange(0, 1);
    controls.progress->setValue(0);
    controls.progress->setAccessibleName(QCoreApplication::translate("MainWindow", "Search progress"));
    controls.dragLabel = new QLabel(controls.client);
    controls.dragLabel->setObjectName(QStringLiteral("lblMove"));
    controls.dragLabel->setTextFormat(Qt::PlainText);
    controls.dragLabel->hide();
    controls.makeStatusBar(window);
    return controls;
}

void MainControls::makeSearchFrame()
{
    searchFrame = new QFrame(client);
    searchFrame->setObjectName(QStringLiteral("frameTop"));
    hint = new QLabel(searchFrame);
    hint->setObjectName(QStringLiteral("Label3"));
    searchBox = new SearchBox(searchFrame);
    // The hint above the box names it for assistive technology.
    hint->setBuddy(searchBox);
    live = new QRadioButton(QCoreApplication::translate("MainWindow", "LIVE Broadcasts"), searchFrame);
    live->setObjectName(QStringLiteral("optLive"));
    live->setToolTip(QCoreApplication::translate(
        "MainWindow", "Click here to search for live radio and television broadcasts"));
    archive =
        new QRadioButton(QCoreApplication::translate("MainWindow", "Streaming Audio && Video"), searchFrame);
    archive->setObjectName(QStringLiteral("optArch"));
    archive->setToolTip(QCoreApplication::translate(
        "MainWindow", "Click here to search for streaming audio and video clips, movies, concerts and more"));
    live->setChecked(true);
}

void MainControls::makeGrid(ResultsModel& model)
{
    grid = new ResultsGrid(client);
    grid->setToolTip(QCoreApplication::translate(
        "MainWindow", "Single click to display stream website or click PLAY button to play."));
    gridModel = new ResultsIconModel(model, grid);
    grid->setModel(gridModel);
    grid->setAccessibleName(QCoreApplication::translate("MainWindow", "Search Results"));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setHighlightSections(false);
}

void MainControls::makeStatusBar(QMainWindow& window)
{
    window.statusBar()->setObjectName(QStringLiteral("statBar"));
    const std::array<int, 3> stretch{3, 2, 1};
    for (std::size_t i = 0; i < panels.size(); ++i) {
        auto* panel = new QLabel(window.statusBar());
        panel->setObjectName(QStringLiteral("statBarPanel") + QString::number(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        window.statusBar()->addWidget(panel, stretch.at(i));
        panels.at(i) = panel;
    }
}

void MainControls::dragStation(const QPoint& pos, const StationPayload::Station& station) const
{
    const int lineHeight = client->fontMetrics().height();
    const QPoint inClient = grid->viewport()->mapTo(client, pos);
    dragLabel->setGeometry(inClient.x() + px(100), inClient.y() - lineHeight / 2,
                           std::max(1, presets->button(0)->width() - px(150)), lineHeight);
    dragLabel->setText(station.name + Settings::kPresetSeparator + station.link);
    auto* mime = new QMimeData;
    mime->setData(StationPayload::kMimeType, StationPayload::encode(station));
    mime->setText(station.link);
    auto* drag = new QDrag(grid);
    drag->setMimeData(mime);
    drag->setPixmap(dragLabel->grab());
    drag->exec(Qt::CopyAction);
}

void MainControls::describeGrid() const
{
    grid->setAccessibleDescription(resultsBand->text().trimmed() + QStringLiteral(", ") +
                                   panels.at(0)->text());
}

int MainControls::px(double twips) const
{
    return int(std::lround(twips * client->logicalDpiX() / Twips::kPerInch));
}

int MainControls::atLeast(double twips, int needed) const
{
    return std::max(px(twips), needed);
}

void MainControls::layOut() const
{
    // The twips are the layout at the default font; a control whose text needs more room at the
    // user's font grows, and what lies after it moves on.
    const int clientWidth = client->width();
    const int clientHeight = client->height();
    const int bandHeight = atLeast(kBandHeight, searchBand->sizeHint().height());
    searchBand->setGeometry(0, 0, clientWidth, bandHeight);
    hint->setGeometry(px(120), px(60), atLeast(4600, hint->sizeHint().width()),
                      atLeast(240, hint->sizeHint().height()));
    const int boxTop = std::max(px(330), hint->geometry().bottom() + 1 + px(30));
    searchBox->setGeometry(px(120), boxTop, px(2900), atLeast(330, searchBox->sizeHint().height()));
    const int modeTop = std::max(px(750), searchBox->geometry().bottom() + 1 + px(90));
    live->setGeometry(px(120), modeTop, atLeast(1800, live->sizeHint().width()),
                      atLeast(270, live->sizeHint().height()));
    const int archiveLeft = std::max(px(2000), live->geometry().right() + 1 + px(80));
    archive->setGeometry(archiveLeft, modeTop, atLeast(2700, archive->sizeHint().width()),
                         atLeast(270, archive->sizeHint().height()));
    const int sideWidth = px(kSideWidth);
    presets->setGeometry(clientWidth - (sideWidth + px(200)), bandHeight, sideWidth, px(kTopHeight));
    const int presetsHeight = presets->layOut([this](double twips) { return px(twips); });
    const int frameHeight =
        std::max({px(kTopHeight), archive->geometry().bottom() + 1 + px(60), presetsHeight});
    searchFrame->setGeometry(0, bandHeight, clientWidth, frameHeight);
    presets->resize(sideWidth, frameHeight);
    const int resultsTop = bandHeight + frameHeight;
    resultsBand->setGeometry(0, resultsTop, clientWidth, bandHeight);
    const int progressWidth = px(2000);
    progress->setGeometry(clientWidth - (progressWidth + px(200)), resultsTop + px(45), progressWidth,
                          px(165));
    const int gridTop = resultsTop + bandHeight;
    const int windowWidth = client->window()->width();
    grid->setGeometry(0, gridTop, std::max(0, windowWidth - px(100)), std::max(0, clientHeight - gridTop));
}

int MainControls::neededWidth() const
{
    // The mode buttons and the preset strip side by side, with the strip's margin to the edge.
    return archive->geometry().right() + 1 + px(120) + px(kSideWidth) + px(200);
}

void MainControls::layOutColumns(bool archiveMode) const
{
    grid->setUpdatesEnabled(false);
    // The columns share the width inside the grid's frame and vertical scroll bar, so the live
    // layout fits without a horizontal scroll bar.
    const int scrollBar = std::max(grid->verticalScrollBar()->sizeHint().width(),
                                   grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid));
    const int inner = grid->width() - 2 * grid->frameWidth() - scrollBar;
    const auto twips = GridLayout::columnWidths(archiveMode, Twips::fromPixels(inner, client->logicalDpiX()));
    std::array<int, GridLayout::kColumns> widths{};
    for (std::size_t column = 0; column < widths.size(); ++column)
        // Rounded down, so the columns together never pass the inner width.
        widths.at(column) = int(std::floor(twips.at(column) * client->logicalDpiX() / Twips::kPerInch));
    gridModel->setShownColumns(
        int(std::count_if(widths.begin(), widths.end(), [](int width) { return width > 0; })));
    fitColumnsToText(archiveMode, widths);
    for (int column = 0; column < GridLayout::kColumns; ++column) {
        const int width = widths.at(std::size_t(column));
        grid->setColumnHidden(column, width == 0);
        if (width > 0)
            grid->setColumnWidth(column, width);
    }
    grid->setUpdatesEnabled(true);
}

void MainControls::fitColumnsToText(bool archiveMode, std::array<int, GridLayout::kColumns>& widths) const
{
    // A fixed column grows to show its header and the values it holds whole at the user's font;
    // the columns that share the width give up what it takes, down to their own header.
    QHeaderView* header = grid->horizontalHeader();
    const QAbstractItemView* view = grid;
    int taken = 0;
    for (int column = 0; column < GridLayout::kColumns; ++column) {
        int& width = widths.at(std::size_t(column));
        if (width == 0 || GridLayout::sharesWidth(archiveMode, column))
            continue;
        const int needed = std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
        taken += std::max(0, needed - width);
        width = std::max(width, needed);
    }
    for (int column = GridLayout::kColumns - 1; column >= 0 && taken > 0; --column) {
        int& width = widths.at(std::size_t(column));
        if (width == 0 || !GridLayout::sharesWidth(archiveMode, column))
            continue;
        const int given = std::min(taken, std::max(0, width - header->sectionSizeHint(column)));
        width -= given;
        taken -= given;
    }
}
