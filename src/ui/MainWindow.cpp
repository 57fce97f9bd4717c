#include "ui/MainWindow.h"

#include <cmath>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

#include "browser/WindowGeometry.h"
#include "collections/PresetTable.h"
#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "playback/StreamFormat.h"
#include "search/GridLayout.h"
#include "search/ResultsModel.h"
#include "ui/Artwork.h"
#include "ui/CommandTable.h"
#include "ui/MainMenus.h"
#include "ui/PlainText.h"
#include "ui/PresetStrip.h"
#include "ui/ResultsGrid.h"
#include "ui/SearchBox.h"
#include "ui/SetupDialog.h"

namespace {
const char* const kLiveHint =
    QT_TRANSLATE_NOOP("MainWindow", "Enter Station Name, Format, Region or Keywords");
const char* const kArchiveHint =
    QT_TRANSLATE_NOOP("MainWindow", "Enter Keywords (Subject, Band Name, Person, etc)");
constexpr double kDesignWidth = 7095;
const WindowGeometry::Keys kGeometryKeys{Settings::Key::Left, Settings::Key::Top, Settings::Key::Width,
                                         Settings::Key::Height};

} // namespace

MainWindow::MainWindow(ResultsModel& model, const PresetTable& presets, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_presetTable(presets),
      m_controls(MainControls::make(*this, model, presets))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    m_controls.hint->setText(QCoreApplication::translate("MainWindow", kLiveHint));
    // The client area gets its final size after the window's own resize event.
    m_controls.client->installEventFilter(this);
    // In archive mode, or on an empty grid, Shift+click selects a range of rows to bookmark.
    m_controls.grid->setShiftDragRule([this] { return !archiveMode() && m_model.hasResults(); });
    connect(m_controls.grid, &ResultsGrid::shiftPressed, this, &MainWindow::startStationDrag);
    m_controls.grid->installEventFilter(this);
    const auto px = [this](double twips) {
        return int(std::ceil(WindowGeometry::twipsToPixels(*this, twips)));
    };
    setMinimumSize(px(MainControls::kMinWidth), px(MainControls::kMinHeight));
    resize(px(MainControls::kMinWidth), px(MainControls::kDesignHeight));
}

MainWindow::~MainWindow() = default;

void MainWindow::installCommands(CommandTable& commands)
{
    m_commands = &commands;
    new MainMenus(*menuBar(), commands, [this] { return archiveMode(); });
    QToolBar* toolbar = addToolBar(tr("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    commands.buildToolbar(*toolbar, Artwork::kToolbarSize);
    MainMenus::addBookmarksDropDown(*commands.toolbarButton(CommandId::ShowBookmarks), commands);
    connectControls();
}

void MainWindow::connectControls()
{
    CommandTable& commands = *m_commands;
    const auto run = [&commands](CommandId id, CommandArgs args = {}) { commands.run(id, args); };
    connect(m_controls.searchBox, &SearchBox::submitted, this, [run] { run(CommandId::SubmitSearch); });
    // Esc ends the program through the normal shut-down, so nothing is lost.
    connect(m_controls.searchBox, &SearchBox::escaped, this, [run] { run(CommandId::Exit); });
    for (QRadioButton* mode : {m_controls.live, m_controls.archive})
        connect(mode, &QRadioButton::clicked, this, [run] { run(CommandId::ChangeMode); });
    // The format display comes first on every click, then what the click itself does.
    connect(m_controls.grid, &ResultsGrid::gridClicked, this, [this, run](bool onRow) {
        showStreamFormat();
        run(CommandId::GridClick, {.onRow = onRow});
    });
    connect(m_controls.grid, &ResultsGrid::headerClicked, this,
            [run](int column) { run(CommandId::SortByColumn, {.index = column}); });
    connect(m_controls.grid, &ResultsGrid::gridDoubleClicked, this, [run] { run(CommandId::Play); });
    connect(m_controls.grid, &ResultsGrid::rowMenuRequested, this, [this](const QPoint& at) {
        const bool archive = archiveMode();
        MainMenus::rowMenu(
            *this, *m_commands, m_presetTable,
            {currentCell(GridLayout::nameColumn(archive)), currentCell(GridLayout::linkColumn(archive))})
            ->popup(at);
    });
    connect(m_controls.presets, &PresetStrip::pressed, this,
            [run](int i) { run(CommandId::PressPreset, {.index = i}); });
    connect(m_controls.presets, &PresetStrip::clicked, this,
            [run](int i) { run(CommandId::ClickPreset, {.index = i}); });
    connect(m_controls.presets, &PresetStrip::enterPressed, this,
            [run](int i) { run(CommandId::EnterPreset, {.index = i}); });
    connect(m_controls.presets, &PresetStrip::stationDropped, this,
            [run](int i, const QString& name, const QString& link) {
                run(CommandId::AssignPreset, {.index = i, .name = name, .link = link});
            });
}

void MainWindow::restoreSettings(const Settings& settings)
{
    using Key = Settings::Key;
    if (const auto live = settings.boolean(Key::OptLive))
        m_controls.live->setChecked(*live);
    if (const auto arch = settings.boolean(Key::OptArch))
        m_controls.archive->setChecked(*arch);
    m_controls.hint->setText(archiveMode() ? QCoreApplication::translate("MainWindow", kArchiveHint)
                                           : QCoreApplication::translate("MainWindow", kLiveHint));
    m_controls.searchBox->setEditText(settings.text(Key::LastSearch));
    for (int i = 0; i < PresetTable::kCount; ++i) {
        if (!m_presetTable.isEmpty(i))
            m_controls.presets->setStation(i, m_presetTable[i].Name);
    }
    const QRectF area = WindowGeometry::availableTwips(*this);
    const QRectF size = WindowGeometry::stored(settings, kGeometryKeys,
                                               {0, 0, kDesignWidth, MainControls::kDesignHeight}, *this);
    const QRectF centred{area.x() + (area.width() - size.width()) / 2,
                         area.y() + (area.height() - size.height()) / 2, size.width(), size.height()};
    WindowGeometry::place(*this, WindowGeometry::stored(settings, kGeometryKeys, centred, *this));
}

void MainWindow::saveState(Settings& settings) const
{
    using Key = Settings::Key;
    settings.setText(Key::LastSearch, m_controls.searchBox->currentText());
    settings.setText(Key::Version, kProductVersion);
    WindowGeometry::store(settings, kGeometryKeys, *this);
    settings.setBoolean(Key::OptLive, m_controls.live->isChecked());
    settings.setBoolean(Key::OptArch, m_controls.archive->isChecked());
}

void MainWindow::end()
{
    m_ending = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    // Shut-down saves everything first and then ends the window.
    event->ignore();
    if (m_commands)
        m_commands->run(CommandId::Exit);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_controls.searchBox->setFocus(Qt::OtherFocusReason);
}

void MainWindow::focusSearchBox()
{
    m_controls.searchBox->setFocus(Qt::OtherFocusReason);
}

void MainWindow::startStationDrag(const QPoint& pos)
{
    if (archiveMode() || !m_model.hasResults())
        return;
    m_controls.dragStation(
        pos, {currentCell(GridLayout::nameColumn(false)), currentCell(GridLayout::linkColumn(false))});
}

void MainWindow::layOut()
{
    if (isMinimized())
        return;
    m_controls.layOut();
    // A window too narrow for what the user's font made of the controls widens to show them.
    const int extra = width() - m_controls.client->width();
    if (m_controls.neededWidth() + extra > minimumWidth())
        setMinimumWidth(m_controls.neededWidth() + extra);
    m_controls.layOutColumns(archiveMode());
    if (m_model.rowCount() > 0)
        selectFirstRow();
}

// ---- rows ---------------------------------------------------------------------------------

int MainWindow::currentRow() const
{
    const QModelIndex current = m_controls.grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString MainWindow::currentCell(int column) const
{
    const int row = currentRow();
    return row >= 0 ? m_model.cell(row, column) : QString();
}

QList<int> MainWindow::selectedRows() const
{
    return m_controls.grid->selectedRowsInOrder();
}

void MainWindow::selectFirstRow()
{
    m_controls.grid->selectOnly(0);
}

void MainWindow::showMode()
{
    m_controls.hint->setText(archiveMode() ? QCoreApplication::translate("MainWindow", kArchiveHint)
                                           : QCoreApplication::translate("MainWindow", kLiveHint));
    layOut();
}

void MainWindow::showStreamFormat()
{
    const QString text = StreamFormat::showStreamFormat(currentCell(GridLayout::linkColumn(archiveMode())));
    if (!text.isEmpty())
        setStatusPanel(1, text);
}

// ---- search view --------------------------------------------------------------------------

QString MainWindow::searchText() const
{
    return m_controls.searchBox->currentText();
}

void MainWindow::setSearchText(const QString& text)
{
    m_controls.searchBox->setEditText(text);
}

void MainWindow::addHistoryEntry(const QString& text)
{
    // Adding the first entry would make it the box's text; the box keeps what it shows.
    const QString shown = m_controls.searchBox->currentText();
    m_controls.searchBox->addItem(text);
    m_controls.searchBox->setEditText(shown);
}

void MainWindow::setSearchBoxEnabled(bool enabled)
{
    // The box and the mode buttons are locked together; a locked control loses the focus, and
    // gets it back when the search that took it ends.
    if (!enabled) {
        QWidget* focus = QApplication::focusWidget();
        const bool locked =
            focus && (m_controls.searchBox->isAncestorOf(focus) || focus == m_controls.searchBox ||
                      focus == m_controls.live || focus == m_controls.archive);
        m_focusBeforeSearch = locked ? focus : nullptr;
    }
    m_controls.searchBox->setEnabled(enabled);
}

bool MainWindow::archiveMode() const
{
    return m_controls.archive->isChecked();
}

void MainWindow::setModeButtonsEnabled(bool enabled)
{
    m_controls.archive->setEnabled(enabled);
    m_controls.live->setEnabled(enabled);
    if (enabled && m_focusBeforeSearch && m_controls.searchBox->isEnabled())
        std::exchange(m_focusBeforeSearch, nullptr)->setFocus(Qt::OtherFocusReason);
}

FormatFilters MainWindow::formatFilters() const
{
    return m_setup ? m_setup->formatFilters() : FormatFilters::allSelected();
}

void MainWindow::setStatusPanel(int panel, const QString& text)
{
    if (panel < 1 || panel > int(m_controls.panels.size()))
        return;
    const auto at = std::size_t(panel - 1);
    m_panelTexts.at(at) = text;
    showPaced(m_panelPaces.at(at), [this, at] {
        QLabel* label = m_controls.panels.at(at);
        label->setText(m_panelTexts.at(at));
        // A text wider than its panel is cut on screen; its tool tip shows it whole, as plain text.
        label->setToolTip(plainToolTip(m_panelTexts.at(at)));
        m_controls.describeGrid();
    });
}

void MainWindow::setResultsCaption(const QString& text)
{
    m_controls.resultsBand->setText(text);
    m_controls.describeGrid();
}

void MainWindow::setProgressMaximum(int maximum)
{
    m_progressMaximum = std::max(1, maximum);
    showProgress();
}

void MainWindow::setProgressValue(int value)
{
    m_progressValue = value;
    showProgress();
}

void MainWindow::showProgress()
{
    showPaced(m_progressPace, [this] {
        m_controls.progress->setMaximum(m_progressMaximum);
        m_controls.progress->setValue(std::clamp(m_progressValue, 0, m_progressMaximum));
    });
}

template <typename Show> void MainWindow::showPaced(Pace& pace, Show show)
{
    // Progress comes for every link of a page and the result count for every record, and each
    // change the window can show lays it out or repaints it; so a change within kPaceMs of the
    // last one shown waits for the interval's end, where the latest value is shown.
    if (pace.waiting)
        return;
    if (!pace.shown.isValid() || pace.shown.hasExpired(kPaceMs)) {
        pace.shown.start();
        show();
        return;
    }
    pace.waiting = true;
    QTimer::singleShot(int(kPaceMs - pace.shown.elapsed()), this, [&pace, show] {
        pace.waiting = false;
        pace.shown.start();
        show();
    });
}

void MainWindow::setGridRedraw(bool on)
{
    m_controls.grid->setUpdatesEnabled(on);
}

void MainWindow::layoutGrid()
{
    layOut();
}

// ---- play view ----------------------------------------------------------------------------

void MainWindow::setStatus(const QString& text)
{
    setStatusPanel(1, text);
}

void MainWindow::showSetupOnTab(int tab)
{
    if (!m_setup)
        return;
    m_setup->selectTab(tab);
    m_setup->showModal();
}

void MainWindow::setPresetPointer(int index, int picture)
{
    m_controls.presets->setPointer(index, picture);
}

// ---- keys and events ----------------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == centralWidget())
        layOut();
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        watched == m_controls.grid)
        QTimer::singleShot(0, this, &MainWindow::showStreamFormat);
    return QMainWindow::eventFilter(watched, event);
}
