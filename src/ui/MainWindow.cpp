#include "ui/MainWindow.h"

#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDrag>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "collections/StationPayload.h"
#include "core/ProductInfo.h"
#include "core/ProductSite.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "platform/Twips.h"
#include "playback/PlayDispatch.h"
#include "playback/ShellOpener.h"
#include "playback/StreamFormat.h"
#include "search/Genres.h"
#include "search/GridLayout.h"
#include "search/ResultsModel.h"
#include "ui/AboutWindow.h"
#include "ui/Artwork.h"
#include "ui/CommandTable.h"
#include "ui/PlainText.h"
#include "ui/PresetButton.h"
#include "ui/QuickHelpWindow.h"
#include "ui/ResultsGrid.h"
#include "ui/ResultsIconModel.h"
#include "ui/SetupDialog.h"

namespace {
struct ToolbarEntry
{
    CommandId command;
    const char* caption;
    const char* toolTip;
    int image;
};

// The toolbar's buttons in their order; the Search button turns into Stop while a search runs.
const std::array<ToolbarEntry, 7> kToolbar{{
    {CommandId::SetupModal, "Setup", "Setup Options", Artwork::SetupImage},
    {CommandId::SearchOrStop, "Search", "Start Search", Artwork::SearchImage},
    {CommandId::Play, "Play", "Play Stream", Artwork::PlayImage},
    {CommandId::VisitWebsite, "Website", "Visit Stream Website", Artwork::WebsiteImage},
    {CommandId::Scan, "Scan", "Scan Stations", Artwork::ScanImage},
    {CommandId::ShowBookmarks, "Bookmarks", "Modify Bookmarks", Artwork::BookmarksImage},
    {CommandId::Email, "Email Link", "Email Link to a Friend", Artwork::EmailImage},
}};

struct MenuEntry
{
    const char* menu; // empty for an entry of the menu above
    CommandId command;
};

constexpr double kTopHeight = 1140;

const QString kLiveHint = QStringLiteral("Enter Station Name, Format, Region or Keywords");
const QString kArchiveHint = QStringLiteral("Enter Keywords (Subject, Band Name, Person, etc)");
} // namespace

MainWindow::MainWindow(MainWindowContext context, QWidget* parent) : QMainWindow(parent), m_ctx(context)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    m_setup = new SetupDialog(
        m_ctx.players, m_ctx.settings, m_ctx.services,
        [this](const QString& address) { m_ctx.opener.OpenWithShell(address); }, this);
    buildControls();
    buildStatusBar();
    buildPresets();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, &m_ctx.tick, &Tick::tick);
    m_timer1->start();
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(1000);
    connect(m_timer2, &QTimer::timeout, this, &MainWindow::elapsedTick);
    resize(int(twipsToPixels(kMinWidth)), int(twipsToPixels(kDesignHeight)));
}

MainWindow::~MainWindow() = default;

// ---- controls ----------------------------------------------------------------------------

void MainWindow::buildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    // The client area gets its final size after the window's own resize event.
    central->installEventFilter(this);
    setCentralWidget(central);

    m_lblSearch = new QLabel(QStringLiteral("  Search"), central);
    m_lblSearch->setObjectName(QStringLiteral("lblSearch"));
    m_lblSearch2 = new QLabel(QStringLiteral("  Search Results"), central);
    m_lblSearch2->setObjectName(QStringLiteral("lblSearch2"));
    for (QLabel* band : {m_lblSearch, m_lblSearch2})
        band->setStyleSheet(
            QStringLiteral("QLabel { background: #1d3b5c; color: white; font-weight: bold; }"));

    m_frameTop = new QFrame(central);
    m_frameTop->setObjectName(QStringLiteral("frameTop"));
    m_label3 = new QLabel(kLiveHint, m_frameTop);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_txtSearch = new QComboBox(m_frameTop);
    m_txtSearch->setObjectName(QStringLiteral("txtSearch"));
    m_txtSearch->setEditable(true);
    m_txtSearch->setInsertPolicy(QComboBox::NoInsert);
    m_txtSearch->setCompleter(nullptr);
    // The combo box has the keyboard focus and hands keys to its line edit directly, so its
    // own events are where Enter and Esc can be seen.
    m_txtSearch->installEventFilter(this);
    // After a click into the text the line edit itself has the focus: its Enter would also
    // report the text as picked from the list, starting a second search.
    m_txtSearch->lineEdit()->installEventFilter(this);
    connect(m_txtSearch, &QComboBox::activated, this, &MainWindow::searchSubmitted);
    m_optLive = new QRadioButton(QStringLiteral("LIVE Broadcasts"), m_frameTop);
    m_optLive->setObjectName(QStringLiteral("optLive"));
    m_optLive->setToolTip(QStringLiteral("Click here to search for live radio and television broadcasts"));
    m_optArch = new QRadioButton(QStringLiteral("Streaming Audio && Video"), m_frameTop);
    m_optArch->setObjectName(QStringLiteral("optArch"));
    m_optArch->setToolTip(QStringLiteral(
        "Click here to search for streaming audio and video clips, movies, concerts and more"));
    m_optLive->setChecked(true);
    connect(m_optLive, &QRadioButton::clicked, this, &MainWindow::onModeChanged);
    connect(m_optArch, &QRadioButton::clicked, this, &MainWindow::onModeChanged);

    m_frameSide = new QFrame(central);
    m_frameSide->setObjectName(QStringLiteral("frameSide"));
    m_labelS = new QLabel(QStringLiteral("Station Presets"), m_frameSide);
    m_labelS->setObjectName(QStringLiteral("LabelS"));

    buildGrid();

    m_progBar = new QProgressBar(central);
    m_progBar->setObjectName(QStringLiteral("progBar"));
    m_progBar->setTextVisible(false);
    m_progBar->setRange(0, 1);
    m_progBar->setValue(0);

    m_lblMove = new QLabel(central);
    m_lblMove->setObjectName(QStringLiteral("lblMove"));
    m_lblMove->setTextFormat(Qt::PlainText);
    m_lblMove->hide();
}

void MainWindow::installCommands(CommandTable& commands, std::function<void(CommandId)> toolbarClicked)
{
    buildMenus(commands);
    buildToolbar(std::move(toolbarClicked));
    QToolButton* bookmarks = m_toolButtons.at(5);
    auto* dropDown = new QMenu(bookmarks);
    dropDown->setObjectName(QStringLiteral("Toolbar1BookmarksMenu"));
    dropDown->addAction(QStringLiteral("Add Selected Item to Bookmarks"), &commands,
                        [&commands] { commands.run(CommandId::AddBookmark); });
    dropDown->addAction(QStringLiteral("Show Bookmarks"), &commands,
                        [&commands] { commands.run(CommandId::ShowBookmarks); });
    bookmarks->setMenu(dropDown);
    bookmarks->setPopupMode(QToolButton::MenuButtonPopup);
}

void MainWindow::buildMenus(CommandTable& commands)
{
    const auto menu = [this](const char* name, const char* caption) {
        QMenu* added = menuBar()->addMenu(QString::fromLatin1(caption));
        added->setObjectName(QString::fromLatin1(name));
        return added;
    };
    QMenu* file = menu("menuFile", "&File");
    m_menuOpen = commands.action(CommandId::MiniBrowserOnPreview);
    file->addAction(m_menuOpen);
    file->addAction(commands.action(CommandId::SetupModeless));
    file->addAction(commands.action(CommandId::AddStation));
    file->addSeparator();
    file->addAction(commands.action(CommandId::Exit));

    QMenu* edit = menu("menuEdit", "&Edit");
    edit->addAction(commands.action(CommandId::Copy));

    QMenu* search = menu("menuSearch", "&Search");
    for (const CommandId id : {CommandId::StartSearch, CommandId::StopSearch, CommandId::Play,
                               CommandId::VisitWebsite, CommandId::Scan})
        search->addAction(commands.action(id));
    QMenu* bookmarks = search->addMenu(QStringLiteral("&Bookmarks"));
    bookmarks->setObjectName(QStringLiteral("menuBookmarks"));
    bookmarks->addAction(commands.action(CommandId::ShowBookmarks));
    bookmarks->addAction(commands.action(CommandId::AddBookmarks));
    search->addAction(commands.action(CommandId::Email));

    m_menuSelect = menu("menuSelect", "&Select Format");
    connect(m_menuSelect, &QMenu::aboutToShow, this, &MainWindow::onSelectMenuShown);
    buildGenreMenus();

    QMenu* help = menu("menuHelp", "&Help");
    for (const CommandId id : {CommandId::QuickHelp, CommandId::Support, CommandId::About})
        help->addAction(commands.action(id));
}

void MainWindow::buildGenreMenus()
{
    QMenu* format = m_menuSelect->addMenu(QStringLiteral("Format"));
    format->setObjectName(QStringLiteral("menuFormat"));
    QMenu* music = m_menuSelect->addMenu(QStringLiteral("Music Style"));
    music->setObjectName(QStringLiteral("menuMusic"));
    const QList<GenreEntry>& genres = Genres::all();
    for (int i = 0; i < genres.size(); ++i) {
        const GenreEntry& genre = genres.at(i);
        QMenu* menu = genre.menu == GenreEntry::Menu::Format ? format : music;
        QAction* action = menu->addAction(genre.caption);
        action->setObjectName(genre.objectName);
        connect(action, &QAction::triggered, this, [this, i] { Q_EMIT genreChosen(i); });
    }
}

void MainWindow::buildToolbar(std::function<void(CommandId)> toolbarClicked)
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(Artwork::kToolbarSize);
    for (std::size_t i = 0; i < kToolbar.size(); ++i) {
        const ToolbarEntry& entry = kToolbar.at(i);
        if (i > 0)
            m_toolbar->addSeparator();
        auto* button = new QToolButton(m_toolbar);
        button->setObjectName(QStringLiteral("Toolbar1Button") + QString::number(2 * i + 1));
        button->setText(QString::fromLatin1(entry.caption));
        button->setToolTip(QString::fromLatin1(entry.toolTip));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(Artwork::toolbarImage(entry.image));
        connect(button, &QToolButton::clicked, this,
                [toolbarClicked, id = entry.command] { toolbarClicked(id); });
        m_toolbar->addWidget(button);
        m_toolButtons.at(i) = button;
    }
}

void MainWindow::buildPresets()
{
    for (int i = 0; i < PresetTable::kCount; ++i) {
        auto* button = new PresetButton(i, m_frameSide);
        button->setText(QString::number(i + 1));
        button->setToolTip(PresetTable::kEmptyName);
        button->setIcon(Artwork::presetListPicture(Artwork::PresetFace));
        button->setIconSize(Artwork::kPresetFaceSize);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setCursor(Artwork::pointerCursor(Artwork::PointerHand));
        connect(button, &PresetButton::pressed, this, &MainWindow::presetPressed);
        connect(button, &PresetButton::clickedPreset, this, &MainWindow::presetClicked);
        connect(button, &PresetButton::enterPressed, this, &MainWindow::presetEnterPressed);
        // A drop is answered with message boxes, which must not open inside the drag.
        connect(button, &PresetButton::stationDropped, this, &MainWindow::stationDropped,
                Qt::QueuedConnection);
        connect(button, &PresetButton::hovered, this, [this](int index) {
            m_presetButtons.at(std::size_t(index))->setCursor(Artwork::pointerCursor(Artwork::PointerHand));
            setPresetToolTip(index, m_ctx.presets[index].Name);
        });
        m_presetButtons.at(std::size_t(i)) = button;
    }
}

void MainWindow::lightPreset(int index)
{
    for (int i = 0; i < PresetTable::kCount; ++i) {
        const int face = i == index ? Artwork::PresetFaceLit : Artwork::PresetFace;
        m_presetButtons.at(std::size_t(i))->setIcon(Artwork::presetListPicture(face));
    }
}

void MainWindow::setPresetToolTip(int index, const QString& name)
{
    // Station names come from the network: shown as plain text, never as markup.
    m_presetButtons.at(std::size_t(index))->setToolTip(plainToolTip(name));
}

void MainWindow::focusSearchBox()
{
    m_txtSearch->setFocus(Qt::OtherFocusReason);
}

void MainWindow::startStationDrag(const QPoint& pos)
{
    if (archiveMode() || !m_ctx.model.hasResults())
        return;
    // The carrier takes the place a dragged label has beside the pointer, as wide as a preset.
    const int lineHeight = fontMetrics().height();
    const QPoint inClient = m_grid->viewport()->mapTo(centralWidget(), pos);
    m_lblMove->setGeometry(inClient.x() + int(std::lround(twipsToPixels(100))), inClient.y() - lineHeight / 2,
                           std::max(1, m_presetButtons.at(0)->width() - int(std::lround(twipsToPixels(150)))),
                           lineHeight);
    const StationPayload::Station station{currentCell(GridLayout::nameColumn(false)),
                                          currentCell(GridLayout::linkColumn(false))};
    m_lblMove->setText(station.name + Settings::kPresetSeparator + station.link);
    auto* mime = new QMimeData;
    mime->setData(StationPayload::kMimeType, StationPayload::encode(station));
    mime->setText(station.link);
    auto* drag = new QDrag(m_grid);
    drag->setMimeData(mime);
    drag->setPixmap(m_lblMove->grab());
    drag->exec(Qt::CopyAction);
}

// ---- twips and geometry -----------------------------------------------------------------

QRectF MainWindow::normalGeometryTwips() const
{
    // A maximised or minimised window reports the geometry it returns to; the frame stands
    // the same distance from the client area in every state.
    const bool normal = !(isMaximized() || isMinimized() || isFullScreen());
    const QRect client = normal ? geometry() : normalGeometry();
    const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    const QPoint frame = client.topLeft() - frameOffset;
    return {pixelsToTwips(frame.x()), pixelsToTwips(frame.y()), pixelsToTwips(client.width()),
            pixelsToTwips(client.height())};
}

void MainWindow::setGeometryTwips(double left, double top, double width, double height)
{
    resize(int(std::lround(twipsToPixels(width))), int(std::lround(twipsToPixels(height))));
    // move() places the frame, so the title bar is where Top and Left say.
    move(int(std::lround(twipsToPixels(left))), int(std::lround(twipsToPixels(top))));
}

void MainWindow::restoreGeometryFromSettings()
{
    using Key = Settings::Key;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const double screenWidth = pixelsToTwips(available.width());
    const double screenHeight = pixelsToTwips(available.height());
    const QRectF current = normalGeometryTwips();
    double width = m_ctx.settings.single(Key::Width, float(kDesignWidth)).value_or(current.width());
    double height = m_ctx.settings.single(Key::Height, float(kDesignHeight)).value_or(current.height());
    // A stored size larger than the screen would put the menus out of reach.
    width = std::clamp(width, 0.0, screenWidth);
    height = std::clamp(height, 0.0, screenHeight);
    double top = m_ctx.settings.single(Key::Top, float((screenHeight - height) / 2)).value_or(current.y());
    double left = m_ctx.settings.single(Key::Left, float((screenWidth - width) / 2)).value_or(current.x());
    if (top < 0 || top > screenHeight)
        top = 0;
    if (left < 0 || left > screenWidth)
        left = 0;
    setGeometryTwips(left + pixelsToTwips(available.x()), top + pixelsToTwips(available.y()), width, height);
}

// ---- settings ---------------------------------------------------------------------------

void MainWindow::GetSettings(const PresetTable& presets)
{
    using Key = Settings::Key;
    Settings& settings = m_ctx.settings;
    setSearchButton(QStringLiteral("Search"), QStringLiteral("Start Search"), Artwork::SearchImage);
    if (const auto miniB = settings.boolean(Key::MiniB); miniB && m_menuOpen)
        m_menuOpen->setChecked(*miniB);
    m_setup->restoreFormatStates(settings);
    setModeFromSettings();
    m_txtSearch->setEditText(settings.text(Key::LastSearch));
    for (int i = 0; i < PresetTable::kCount; ++i) {
        if (!presets.isEmpty(i))
            setPresetToolTip(i, presets[i].Name);
    }
    restoreGeometryFromSettings();
}

void MainWindow::saveState(Settings& settings) const
{
    using Key = Settings::Key;
    settings.setText(Key::LastSearch, m_txtSearch->currentText());
    settings.setText(Key::Version, kProductVersion);
    const QRectF geometry = normalGeometryTwips();
    settings.setSingle(Key::Top, float(geometry.y()));
    settings.setSingle(Key::Left, float(geometry.x()));
    settings.setSingle(Key::Width, float(geometry.width()));
    settings.setSingle(Key::Height, float(geometry.height()));
    m_setup->storeFormatStates(settings);
    settings.setBoolean(Key::OptLive, m_optLive->isChecked());
    settings.setBoolean(Key::OptArch, m_optArch->isChecked());
}

bool MainWindow::previewOnClick() const
{
    return m_menuOpen && m_menuOpen->isChecked();
}

void MainWindow::closeAuxiliaryWindows()
{
    for (const QPointer<QWidget>& window : {m_about, m_quickHelp}) {
        if (window)
            window->close();
    }
    m_setup->hide();
}

void MainWindow::end()
{
    m_ending = true;
    m_timer1->stop();
    m_timer2->stop();
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
    Q_EMIT closeRequested();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_txtSearch->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setSplashPicture(const QPixmap& picture)
{
    m_splash = picture;
}

void MainWindow::buildGrid()
{
    m_grid = new ResultsGrid(centralWidget());
    m_grid->setToolTip(
        QStringLiteral("Single click to display stream website or click PLAY button to play."));
    m_grid->setModel(new ResultsIconModel(m_ctx.model, m_grid));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->horizontalHeader()->setHighlightSections(false);
    // The format display comes first on every click, then what the click itself does.
    connect(m_grid, &ResultsGrid::gridClicked, this, [this](bool onRow) {
        ShowStreamFormat();
        Q_EMIT gridClicked(onRow);
    });
    connect(m_grid, &ResultsGrid::headerClicked, this, &MainWindow::headerClicked);
    connect(m_grid, &ResultsGrid::gridDoubleClicked, this, &MainWindow::playRequested);
    // In archive mode, or on an empty grid, Shift+click selects a range of rows to bookmark.
    m_grid->setShiftDragRule([this] { return !archiveMode() && m_ctx.model.hasResults(); });
    connect(m_grid, &ResultsGrid::shiftPressed, this, &MainWindow::startStationDrag);
    m_grid->installEventFilter(this);
}

void MainWindow::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("statBar"));
    const std::array<int, 3> stretch{3, 2, 1};
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setObjectName(QStringLiteral("statBarPanel") + QString::number(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(panel, stretch.at(i));
        m_panels.at(i) = panel;
    }
}

double MainWindow::twipsToPixels(double twips) const
{
    return twips * logicalDpiX() / Twips::kPerInch;
}

double MainWindow::pixelsToTwips(int pixels) const
{
    return Twips::fromPixels(pixels, logicalDpiX());
}

void MainWindow::setModeFromSettings()
{
    if (const auto live = m_ctx.settings.boolean(Settings::Key::OptLive))
        m_optLive->setChecked(*live);
    if (const auto arch = m_ctx.settings.boolean(Settings::Key::OptArch))
        m_optArch->setChecked(*arch);
    m_label3->setText(m_optArch->isChecked() ? kArchiveHint : kLiveHint);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutMainWindow();
}

void MainWindow::LayoutMainWindow()
{
    if (isMinimized())
        return;
    const int minWidth = int(std::ceil(twipsToPixels(kMinWidth)));
    const int minHeight = int(std::ceil(twipsToPixels(kMinHeight)));
    if (width() < minWidth || height() < minHeight) {
        resize(std::max(width(), minWidth), std::max(height(), minHeight));
        return; // the resize comes back here with the corrected size
    }
    layoutControls();
    layoutGridColumns();
}

void MainWindow::layoutControls()
{
    const auto px = [this](double twips) { return int(std::lround(twipsToPixels(twips))); };
    const int clientWidth = centralWidget()->width();
    const int clientHeight = centralWidget()->height();
    const int band = px(255);
    m_lblSearch->setGeometry(0, 0, clientWidth, band);
    m_frameTop->setGeometry(0, band, clientWidth, px(kTopHeight));
    m_label3->setGeometry(px(120), px(60), px(4600), px(240));
    m_txtSearch->setGeometry(px(120), px(330), px(2900), px(330));
    m_optLive->setGeometry(px(120), px(750), px(1800), px(270));
    m_optArch->setGeometry(px(2000), px(750), px(2700), px(270));
    const int sideWidth = px(2880);
    m_frameSide->setGeometry(clientWidth - (sideWidth + px(200)), band, sideWidth, px(kTopHeight));
    m_labelS->setGeometry(px(60), px(60), sideWidth, px(240));
    for (int i = 0; i < PresetTable::kCount; ++i) {
        const int column = i % 5;
        const int row = i / 5;
        m_presetButtons.at(std::size_t(i))
            ->setGeometry(px(60 + column * 560), px(330 + row * 370), px(520), px(330));
    }
    const int resultsTop = band + px(kTopHeight);
    m_lblSearch2->setGeometry(0, resultsTop, clientWidth, band);
    const int progressWidth = px(2000);
    m_progBar->setGeometry(clientWidth - (progressWidth + px(200)), resultsTop + px(45), progressWidth,
                           px(165));
    const int gridTop = resultsTop + band;
    m_grid->setGeometry(0, gridTop, std::max(0, width() - px(100)), std::max(0, clientHeight - gridTop));
}

void MainWindow::layoutGridColumns()
{
    const bool archive = archiveMode();
    m_grid->setUpdatesEnabled(false);
    // The columns share the width inside the grid's frame and vertical scroll bar, so the live
    // layout fits without a horizontal scroll bar.
    const int scrollBar = std::max(m_grid->verticalScrollBar()->sizeHint().width(),
                                   m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid));
    const int inner = m_grid->width() - 2 * m_grid->frameWidth() - scrollBar;
    const auto widths = GridLayout::columnWidths(archive, pixelsToTwips(inner));
    m_ctx.model.writeModeHeaders(archive);
    for (int column = 0; column < GridLayout::kColumns; ++column) {
        const int width = widths.at(std::size_t(column));
        m_grid->setColumnHidden(column, width == 0);
        if (width > 0)
            // Rounded down, so the columns together never pass the inner width.
            m_grid->setColumnWidth(column, int(std::floor(twipsToPixels(width))));
    }
    m_grid->setUpdatesEnabled(true);
    if (m_ctx.model.rowCount() > 0) {
        m_grid->setCurrentIndex(m_grid->model()->index(0, 0));
        m_grid->selectRow(0);
    }
}

// ---- search view ------------------------------------------------------------------------

QString MainWindow::searchText() const
{
    return m_txtSearch->currentText();
}

void MainWindow::setSearchText(const QString& text)
{
    m_txtSearch->setEditText(text);
}

void MainWindow::addHistoryEntry(const QString& text)
{
    // Adding the first entry would make it the box's text; the box keeps what it shows.
    const QString shown = m_txtSearch->currentText();
    m_txtSearch->addItem(text);
    m_txtSearch->setEditText(shown);
}

void MainWindow::setSearchBoxEnabled(bool enabled)
{
    // A disabled box loses the focus; it gets it back when the search that took it ends.
    if (!enabled)
        m_searchBoxHadFocus = m_txtSearch->hasFocus();
    m_txtSearch->setEnabled(enabled);
    if (enabled && std::exchange(m_searchBoxHadFocus, false))
        m_txtSearch->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::archiveMode() const
{
    return m_optArch->isChecked();
}

void MainWindow::setModeButtonsEnabled(bool enabled)
{
    m_optArch->setEnabled(enabled);
    m_optLive->setEnabled(enabled);
}

FormatFilters MainWindow::formatFilters() const
{
    using Key = Settings::Key;
    const auto on = [this](Key key) { return m_setup->formatState(key) == 1; };
    return {on(Key::ChkRA), on(Key::ChkMA), on(Key::ChkRV), on(Key::ChkNA), on(Key::ChkNV), on(Key::ChkXDM)};
}

void MainWindow::setToolbarButtonsEnabled(const QList<int>& positions, bool enabled)
{
    for (int position : positions) {
        const int index = (position - 1) / 2;
        if (position % 2 == 1 && index >= 0 && index < int(m_toolButtons.size()))
            m_toolButtons.at(std::size_t(index))->setEnabled(enabled);
    }
}

void MainWindow::setSearchButton(const QString& caption, const QString& toolTip, int image)
{
    QToolButton* button = m_toolButtons.at(1);
    button->setText(caption);
    button->setToolTip(toolTip);
    button->setIcon(Artwork::toolbarImage(image));
}

void MainWindow::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= int(m_panels.size()))
        m_panels.at(std::size_t(panel - 1))->setText(text);
}

void MainWindow::setResultsCaption(const QString& text)
{
    m_lblSearch2->setText(text);
}

void MainWindow::setProgressMaximum(int maximum)
{
    m_progBar->setMaximum(std::max(1, maximum));
}

void MainWindow::setProgressValue(int value)
{
    m_progBar->setValue(std::clamp(value, 0, m_progBar->maximum()));
}

void MainWindow::setElapsedTimerRunning(bool running)
{
    if (running)
        m_timer2->start();
    else
        m_timer2->stop();
}

void MainWindow::setGridRedraw(bool on)
{
    m_grid->setUpdatesEnabled(on);
}

void MainWindow::layoutGrid()
{
    LayoutMainWindow();
}

// ---- play view --------------------------------------------------------------------------

void MainWindow::setStatus(const QString& text)
{
    setStatusPanel(1, text);
}

void MainWindow::showSetupOnTab(int tab)
{
    m_setup->selectTab(tab);
    m_setup->showModal();
}

void MainWindow::setPresetPointer(int index, int picture)
{
    if (index >= 0 && index < PresetTable::kCount)
        m_presetButtons.at(std::size_t(index))->setCursor(Artwork::pointerCursor(picture));
}

// ---- row commands -----------------------------------------------------------------------

QString MainWindow::currentCell(int column) const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? m_ctx.model.cell(current.row(), column) : QString();
}

void MainWindow::ShowStreamFormat()
{
    const QString text = StreamFormat::ShowStreamFormat(currentCell(GridLayout::linkColumn(archiveMode())));
    if (!text.isEmpty())
        setStatusPanel(1, text);
}

void MainWindow::onSelectMenuShown()
{
    if (!archiveMode() || m_selectNoticeShown) {
        m_selectNoticeShown = false;
        return;
    }
    // The notice comes before the menu opens, as a click on the menu title does.
    const QRect title = menuBar()->actionGeometry(m_menuSelect->menuAction());
    const QPoint at = menuBar()->mapToGlobal(title.bottomLeft());
    QTimer::singleShot(0, this, [this, at] {
        m_menuSelect->hide();
        Q_EMIT selectMenuShown();
        m_selectNoticeShown = true;
        m_menuSelect->popup(at);
    });
}

void MainWindow::onModeChanged()
{
    m_label3->setText(archiveMode() ? kArchiveHint : kLiveHint);
    m_ctx.model.clearCells();
    LayoutMainWindow();
}

void MainWindow::showQuickHelp()
{
    if (!m_quickHelp) {
        auto* help = new QuickHelpWindow(
            m_ctx.settings, [this](const QString& address) { m_ctx.opener.OpenWithShell(address); }, this);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->setWindowFlag(Qt::Window);
        m_quickHelp = help;
    }
    m_quickHelp->show();
    m_quickHelp->raise();
    m_quickHelp->activateWindow();
}

void MainWindow::showAbout()
{
    if (!m_about) {
        auto* about = new AboutWindow(
            m_splash, m_ctx.settings, [this](const QString& address) { m_ctx.opener.OpenWithShell(address); },
            this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->setWindowFlag(Qt::Window);
        about->setWindowModality(Qt::ApplicationModal);
        m_about = about;
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

bool MainWindow::handleSearchBoxKey(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Q_EMIT searchSubmitted();
        return true;
    }
    if (key == Qt::Key_Escape) {
        // Esc ends the program through the normal shut-down, so nothing is lost.
        Q_EMIT closeRequested();
        return true;
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == centralWidget() && !isMinimized()) {
        layoutControls();
        layoutGridColumns();
    }
    if (event->type() == QEvent::KeyPress && (watched == m_txtSearch || watched == m_txtSearch->lineEdit()) &&
        handleSearchBoxKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched == m_grid)
        QTimer::singleShot(0, this, &MainWindow::ShowStreamFormat);
    return QMainWindow::eventFilter(watched, event);
}
