#include "app/MainWindow.h"

#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/Branding.h"
#include "app/ResultsIconModel.h"
#include "app/SetupDialog.h"
#include "platform/Twips.h"
#include "playback/PlayDispatch.h"
#include "playback/PlayerDiscovery.h"
#include "playback/StreamFormat.h"
#include "scanner/MarkerFiles.h"
#include "search/Genres.h"
#include "search/GridLayout.h"
#include "search/HttpClient.h"
#include "search/ResultsModel.h"
#include "search/SearchRun.h"
#include "windows/AboutWindow.h"
#include "windows/Artwork.h"
#include "windows/ProductSite.h"
#include "windows/QuickHelpWindow.h"

namespace {
struct ToolbarEntry
{
    const char* caption;
    const char* toolTip;
};

constexpr std::array<ToolbarEntry, 7> kToolbar{{
    {"Setup", "Setup Options"},
    {"Search", "Start Search"},
    {"Play", "Play Stream"},
    {"Website", "Visit Stream Website"},
    {"Scan", "Scan Stations"},
    {"Bookmarks", "Modify Bookmarks"},
    {"Email Link", "Email Link to a Friend"},
}};

constexpr double kTopHeight = 1140;

const QString kLiveHint = QStringLiteral("Enter Station Name, Format, Region or Keywords");
const QString kArchiveHint = QStringLiteral("Enter Keywords (Subject, Band Name, Person, etc)");
} // namespace

MainWindow::MainWindow(MainWindowContext context, QWidget* parent)
    : QMainWindow(parent), m_ctx(std::move(context)), m_opener(m_ctx.services)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    m_http = new HttpClient(nullptr, this);
    m_http->setObjectName(QStringLiteral("HTTP1"));
    m_model = new ResultsModel(this);
    m_setup = new SetupDialog(
        m_ctx.state, m_ctx.settings, m_ctx.services,
        [this](const QString& address) { m_opener.OpenWithShell(address); }, this);
    m_setup->setObjectName(QStringLiteral("frmSetup"));
    buildControls();
    buildMenus();
    buildToolbar();
    buildStatusBar();
    buildPresets();
    m_search = new SearchRun(*m_http, m_ctx.state, m_ctx.services.dialogs, m_ctx.services.pointer, *m_model,
                             *this, this);
    // StreamWorks descriptions are fetched on a client of their own, so that playing one while
    // a search runs neither cancels the search nor feeds its page.
    m_streamHttp = new HttpClient(nullptr, this);
    m_play = new PlayDispatch(m_ctx.state, m_ctx.services, *m_streamHttp, *this, this);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &MainWindow::Timer1Tick);
    m_timer1->start();
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(1000);
    connect(m_timer2, &QTimer::timeout, m_search, &SearchRun::elapsedTick);
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

    m_picSplash = new QLabel(central);
    m_picSplash->setObjectName(QStringLiteral("picSplash"));
    m_picSplash->hide();

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
    m_txtSearch->lineEdit()->installEventFilter(this);
    connect(m_txtSearch, &QComboBox::activated, this, [this] { m_search->SubmitSearchBox(); });
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
    m_lblMove->hide();
}

void MainWindow::buildGrid()
{
    m_grid = new QTableView(centralWidget());
    m_grid->setObjectName(QStringLiteral("MSHResults"));
    m_grid->setToolTip(
        QStringLiteral("Single click to display stream website or click PLAY button to play."));
    m_grid->setModel(new ResultsIconModel(*m_model, m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->horizontalHeader()->setHighlightSections(false);
    connect(m_grid, &QTableView::clicked, this, &MainWindow::ShowStreamFormat);
    connect(m_grid, &QTableView::doubleClicked, this, &MainWindow::playCurrentRow);
    m_grid->installEventFilter(this);
}

QAction* MainWindow::addMenuAction(QMenu* menu, const QString& name, const QString& caption,
                                   void (MainWindow::*handler)(), const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    return action;
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    addMenuAction(edit, QStringLiteral("menuCopy"), QStringLiteral("&Copy"), &MainWindow::notYetAvailable,
                  QKeySequence(Qt::CTRL | Qt::Key_C))
        ->setShortcutContext(Qt::WindowShortcut);
    buildSearchMenu();
    m_menuSelect = menuBar()->addMenu(QStringLiteral("&Select Format"));
    m_menuSelect->setObjectName(QStringLiteral("menuSelect"));
    connect(m_menuSelect, &QMenu::aboutToShow, this, &MainWindow::onSelectMenuShown);
    buildGenreMenus();
    buildHelpMenu();
}

void MainWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    m_menuOpen = addMenuAction(file, QStringLiteral("menuOpen"),
                               QStringLiteral("Open Mini-Browser on Preview"), nullptr);
    m_menuOpen->setCheckable(true);
    m_menuOpen->setChecked(true);
    connect(m_menuOpen, &QAction::triggered, this,
            [this](bool on) { m_ctx.settings.setBoolean(Settings::Key::MiniB, on); });
    addMenuAction(file, QStringLiteral("menuSetup"), QStringLiteral("&Setup"), &MainWindow::showSetupModeless,
                  QKeySequence(Qt::Key_F2));
    addMenuAction(file, QStringLiteral("menuAdd"), QStringLiteral("&Add a Station"),
                  &MainWindow::onAddStation);
    file->addSeparator();
    addMenuAction(file, QStringLiteral("menuExit"), QStringLiteral("E&xit"), &MainWindow::onExit);
}

void MainWindow::buildSearchMenu()
{
    QMenu* search = menuBar()->addMenu(QStringLiteral("&Search"));
    search->setObjectName(QStringLiteral("menuSearch"));
    connect(addMenuAction(search, QStringLiteral("menuStart"), QStringLiteral("&Start Search"), nullptr),
            &QAction::triggered, this, [this] { m_search->StartSearch(); });
    connect(addMenuAction(search, QStringLiteral("menuStop"), QStringLiteral("S&top Search"), nullptr),
            &QAction::triggered, this, [this] { m_search->StopSearch(); });
    addMenuAction(search, QStringLiteral("menuPlay"), QStringLiteral("&Play Stream"),
                  &MainWindow::playCurrentRow);
    addMenuAction(search, QStringLiteral("menuVisit"), QStringLiteral("&Visit Stream Website"),
                  &MainWindow::visitWebsite);
    addMenuAction(search, QStringLiteral("menuScan"), QStringLiteral("S&can Stations"),
                  &MainWindow::notYetAvailable);
    QMenu* bookmarks = search->addMenu(QStringLiteral("&Bookmarks"));
    bookmarks->setObjectName(QStringLiteral("menuBookmarks"));
    addMenuAction(bookmarks, QStringLiteral("menuShotBookmarks"), QStringLiteral("&Show Bookmarks"),
                  &MainWindow::notYetAvailable);
    addMenuAction(bookmarks, QStringLiteral("menuAddB"), QStringLiteral("&Add Selected Items to Bookmarks"),
                  &MainWindow::notYetAvailable);
    addMenuAction(search, QStringLiteral("menuEmail"), QStringLiteral("&Email Link to a Friend"),
                  &MainWindow::notYetAvailable);
}

void MainWindow::buildGenreMenus()
{
    QMenu* format = m_menuSelect->addMenu(QStringLiteral("Format"));
    format->setObjectName(QStringLiteral("menuFormat"));
    QMenu* music = m_menuSelect->addMenu(QStringLiteral("Music Style"));
    music->setObjectName(QStringLiteral("menuMusic"));
    for (const GenreEntry& genre : Genres::all()) {
        QMenu* menu = genre.menu == GenreEntry::Menu::Format ? format : music;
        QAction* action = menu->addAction(genre.caption);
        action->setObjectName(genre.objectName);
        connect(action, &QAction::triggered, this,
                [this, genre] { m_search->GenreSearch(genre.keywords, genre.categoryText()); });
    }
}

void MainWindow::buildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    addMenuAction(help, QStringLiteral("menuQuickHelp"), QStringLiteral("&Quick Help"),
                  &MainWindow::showQuickHelp, QKeySequence(Qt::Key_F1));
    addMenuAction(help, QStringLiteral("menuSupport"), QStringLiteral("&Support"), &MainWindow::onSupport);
    addMenuAction(help, QStringLiteral("menuAbout"), QStringLiteral("&About"), &MainWindow::showAbout);
}

void MainWindow::buildToolbar()
{
    static constexpr std::array<int, 7> kImages{
        Artwork::SetupImage, Artwork::SearchImage,    Artwork::PlayImage, Artwork::WebsiteImage,
        Artwork::ScanImage,  Artwork::BookmarksImage, Artwork::EmailImage};
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(Artwork::kToolbarSize);
    for (std::size_t i = 0; i < kToolbar.size(); ++i) {
        if (i > 0)
            m_toolbar->addSeparator();
        auto* button = new QToolButton(m_toolbar);
        button->setObjectName(QStringLiteral("Toolbar1Button") + QString::number(2 * i + 1));
        button->setText(QString::fromLatin1(kToolbar.at(i).caption));
        button->setToolTip(QString::fromLatin1(kToolbar.at(i).toolTip));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(Artwork::toolbarImage(kImages.at(i)));
        // The handler goes by the caption the button shows when clicked ("Search" or "Stop").
        connect(button, &QToolButton::clicked, this, [this, button] { onToolbarButton(button->text()); });
        m_toolbar->addWidget(button);
        m_toolButtons.at(i) = button;
    }
    QToolButton* bookmarks = m_toolButtons.at(5);
    auto* dropDown = new QMenu(bookmarks);
    dropDown->setObjectName(QStringLiteral("Toolbar1BookmarksMenu"));
    dropDown->addAction(QStringLiteral("Add Selected Item to Bookmarks"), this, &MainWindow::notYetAvailable);
    dropDown->addAction(QStringLiteral("Show Bookmarks"), this, &MainWindow::notYetAvailable);
    bookmarks->setMenu(dropDown);
    bookmarks->setPopupMode(QToolButton::MenuButtonPopup);
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

void MainWindow::buildPresets()
{
    for (int i = 0; i < PresetTable::kCount; ++i) {
        auto* button = new QToolButton(m_frameSide);
        button->setObjectName(QStringLiteral("pPreset") + QString::number(i));
        button->setText(QString::number(i + 1));
        button->setToolTip(PresetTable::kEmptyName);
        button->setIcon(Artwork::presetListPicture(Artwork::PresetFace));
        button->setIconSize(Artwork::kPresetFaceSize);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setCursor(Artwork::pointerCursor(Artwork::PointerHand));
        connect(button, &QToolButton::clicked, this, [this, i] { onPresetClicked(i); });
        m_presetButtons.at(std::size_t(i)) = button;
    }
}

// ---- twips ------------------------------------------------------------------------------

double MainWindow::twipsToPixels(double twips) const
{
    return twips * logicalDpiX() / Twips::kPerInch;
}

double MainWindow::pixelsToTwips(int pixels) const
{
    return Twips::fromPixels(pixels, logicalDpiX());
}

QRectF MainWindow::normalGeometryTwips() const
{
    // A maximised or minimised window reports the geometry it returns to.
    const QRect rect = (isMaximized() || isMinimized() || isFullScreen()) ? normalGeometry() : geometry();
    return {pixelsToTwips(rect.x()), pixelsToTwips(rect.y()), pixelsToTwips(rect.width()),
            pixelsToTwips(rect.height())};
}

void MainWindow::setGeometryTwips(double left, double top, double width, double height)
{
    setGeometry(int(std::lround(twipsToPixels(left))), int(std::lround(twipsToPixels(top))),
                int(std::lround(twipsToPixels(width))), int(std::lround(twipsToPixels(height))));
}

// ---- settings ---------------------------------------------------------------------------

void MainWindow::GetSettings()
{
    using Key = Settings::Key;
    Settings& settings = m_ctx.settings;
    AppState& state = m_ctx.state;
    setSearchButton(QStringLiteral("Search"), QStringLiteral("Start Search"), Artwork::SearchImage);
    state.ProxyHost = settings.text(Key::ProxyHost);
    state.ProxyPort = settings.text(Key::ProxyPort);
    if (const auto miniB = settings.boolean(Key::MiniB))
        m_menuOpen->setChecked(*miniB);
    m_setup->restoreFormatStates(settings);
    PlayerDiscovery(m_ctx.defaultApps).discoverPlayers(settings, state.Players);
    setModeFromSettings();
    m_txtSearch->setEditText(settings.text(Key::LastSearch));
    const auto named = m_presets.load(settings);
    for (int i = 0; i < PresetTable::kCount; ++i) {
        if (named.at(std::size_t(i)))
            m_presetButtons.at(std::size_t(i))->setToolTip(m_presets[i].Name);
    }
    restoreGeometryFromSettings();
    applyProxy();
}

void MainWindow::applyProxy()
{
    HttpProxySettings& proxy = m_http->ProxySettings();
    if (m_ctx.state.ProxyHost.isEmpty()) {
        proxy.ProxyOn = false;
        return;
    }
    proxy.ProxyOn = true;
    proxy.ProxyHostName = m_ctx.state.ProxyHost;
    // A port that does not convert leaves the port as it was.
    proxy.ProxyPortNumber = Settings::textToInt32(m_ctx.state.ProxyPort).value_or(proxy.ProxyPortNumber);
}

void MainWindow::setModeFromSettings()
{
    if (const auto live = m_ctx.settings.boolean(Settings::Key::OptLive))
        m_optLive->setChecked(*live);
    if (const auto arch = m_ctx.settings.boolean(Settings::Key::OptArch))
        m_optArch->setChecked(*arch);
    m_label3->setText(m_optArch->isChecked() ? kArchiveHint : kLiveHint);
}

void MainWindow::restoreGeometryFromSettings()
{
    using Key = Settings::Key;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const double screenWidth = pixelsToTwips(available.width());
    const double screenHeight = pixelsToTwips(available.height());
    const QRectF current = normalGeometryTwips();
    double width = m_ctx.settings.single(Key::Width, float(kDesignWidth)).value_or(current.width());
    double height = m_ctx.settings.single(Key::Height, float(kDesignHeight)).value_or(current.height());
    double top = m_ctx.settings.single(Key::Top, float((screenHeight - height) / 2)).value_or(current.y());
    double left = m_ctx.settings.single(Key::Left, float((screenWidth - width) / 2)).value_or(current.x());
    if (top < 0 || top > screenHeight)
        top = 0;
    if (left < 0 || left > screenWidth)
        left = 0;
    setGeometryTwips(left, top, width, height);
}

void MainWindow::saveState()
{
    using Key = Settings::Key;
    Settings& settings = m_ctx.settings;
    settings.setText(Key::LastSearch, m_txtSearch->currentText());
    settings.setText(Key::Version, Settings::kVersion);
    const QRectF geometry = normalGeometryTwips();
    settings.setSingle(Key::Top, float(geometry.y()));
    settings.setSingle(Key::Left, float(geometry.x()));
    settings.setSingle(Key::Width, float(geometry.width()));
    settings.setSingle(Key::Height, float(geometry.height()));
    m_setup->storeFormatStates(settings);
    settings.setBoolean(Key::OptLive, m_optLive->isChecked());
    settings.setBoolean(Key::OptArch, m_optArch->isChecked());
    m_presets.store(settings);
}

void MainWindow::SaveSettingsAndEnd()
{
    if (m_ending)
        return;
    m_ending = true;
    for (const QPointer<QWidget>& window : {m_about, m_quickHelp}) {
        if (window)
            window->close();
    }
    m_ctx.state.StopRequested = true;
    if (isMaximized())
        showNormal();
    saveState();
    m_timer1->stop();
    close();
    Q_EMIT ended();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_ending) {
        MarkerFiles::writeTerminate(m_ctx.dataFolder);
        SaveSettingsAndEnd();
    }
    event->accept();
}

void MainWindow::onExit()
{
    close();
}

// ---- the one-second tick ----------------------------------------------------------------

void MainWindow::Timer1Tick()
{
    m_ctx.state.tick();
    if (!m_ctx.state.lScanActive && !MarkerFiles::exists(m_ctx.dataFolder, MarkerFiles::kTerminate))
        MarkerFiles::writeTerminate(m_ctx.dataFolder);
}

// ---- layout -----------------------------------------------------------------------------

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutMainWindow();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_txtSearch->setFocus(Qt::OtherFocusReason);
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
    const int inner =
        m_grid->width() - 2 * m_grid->frameWidth() - m_grid->verticalScrollBar()->sizeHint().width();
    const auto widths = GridLayout::columnWidths(archive, pixelsToTwips(inner));
    m_model->writeModeHeaders(archive);
    for (int column = 0; column < GridLayout::kColumns; ++column) {
        const int width = widths.at(std::size_t(column));
        m_grid->setColumnHidden(column, width == 0);
        if (width > 0)
            m_grid->setColumnWidth(column, int(std::lround(twipsToPixels(width))));
    }
    m_grid->setUpdatesEnabled(true);
    if (m_model->rowCount() > 0) {
        m_grid->setCurrentIndex(m_grid->model()->index(0, 0));
        m_grid->selectRow(0);
    }
}

void MainWindow::setSplashPicture(const QPixmap& picture)
{
    m_picSplash->setPixmap(picture);
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
    m_txtSearch->setEnabled(enabled);
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

// ---- commands ---------------------------------------------------------------------------

QString MainWindow::currentCell(int column) const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? m_model->cell(current.row(), column) : QString();
}

void MainWindow::playCurrentRow()
{
    const bool archive = archiveMode();
    m_ctx.services.pointer.setBusy(true);
    play(currentCell(GridLayout::linkColumn(archive)), currentCell(GridLayout::nameColumn(archive)),
         PlayDispatch::kNoPreset);
    m_ctx.services.pointer.setBusy(false);
}

void MainWindow::ShowStreamFormat()
{
    const QString text = StreamFormat::ShowStreamFormat(currentCell(GridLayout::linkColumn(archiveMode())));
    if (!text.isEmpty())
        setStatusPanel(1, text);
}

void MainWindow::visitWebsite()
{
    const QString site = currentCell(GridLayout::siteColumn(archiveMode()));
    if (site.isEmpty() || site == QLatin1String("Unknown")) {
        m_ctx.services.dialogs.message(MessageIcon::Critical, kAppTitle,
                                       QStringLiteral("No website available."));
        return;
    }
    m_opener.OpenWithShell(site);
}

void MainWindow::onPresetClicked(int index)
{
    const PresetRecord& preset = m_presets[index];
    play(preset.Link, preset.Name, index);
}

void MainWindow::play(const QString& link, const QString& name, int presetIndex)
{
    m_streamHttp->ProxySettings() = m_http->ProxySettings();
    m_play->launchURL(link, name, presetIndex);
}

void MainWindow::onToolbarButton(const QString& caption)
{
    if (m_ctx.state.lScanActive) {
        m_ctx.services.dialogs.message(MessageIcon::Critical, kShortTitle,
                                       QStringLiteral("Please close station scanning window."));
        return;
    }
    if (caption == QLatin1String("Setup"))
        showSetupModal();
    else if (caption == QLatin1String("Search"))
        m_search->StartSearch();
    else if (caption == QLatin1String("Stop"))
        m_search->StopSearch();
    else if (caption == QLatin1String("Play"))
        playCurrentRow();
    else if (caption == QLatin1String("Website"))
        visitWebsite();
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
        m_search->SelectMenuClicked();
        m_selectNoticeShown = true;
        m_menuSelect->popup(at);
    });
}

void MainWindow::onModeChanged()
{
    m_label3->setText(archiveMode() ? kArchiveHint : kLiveHint);
    m_model->clearCells();
    LayoutMainWindow();
}

void MainWindow::showSetupModeless()
{
    m_setup->showModeless();
}

void MainWindow::showSetupModal()
{
    m_setup->showModal();
}

void MainWindow::openServicePage(const QString& path)
{
    m_opener.OpenWithShell(ProductSite::pageAddress(m_ctx.settings, path));
}

void MainWindow::onAddStation()
{
    openServicePage(QStringLiteral("/mailform_add.htm"));
}

void MainWindow::onSupport()
{
    openServicePage(ProductSite::kSupportPage);
}

void MainWindow::showQuickHelp()
{
    if (!m_quickHelp) {
        auto* help = new QuickHelpWindow(
            m_ctx.settings, [this](const QString& address) { m_opener.OpenWithShell(address); }, this);
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
            m_picSplash->pixmap(), m_ctx.settings,
            [this](const QString& address) { m_opener.OpenWithShell(address); }, this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->setWindowFlag(Qt::Window);
        about->setWindowModality(Qt::ApplicationModal);
        m_about = about;
    }
    m_about->show();
    m_about->raise();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == centralWidget() && !isMinimized()) {
        layoutControls();
        layoutGridColumns();
    }
    if (event->type() == QEvent::KeyPress && watched == m_txtSearch->lineEdit()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_search->SubmitSearchBox();
            return true;
        }
        if (key == Qt::Key_Escape) {
            // Esc ends the program through the normal shut-down, so nothing is lost.
            close();
            return true;
        }
    }
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched == m_grid)
        QTimer::singleShot(0, this, &MainWindow::ShowStreamFormat);
    return QMainWindow::eventFilter(watched, event);
}
