#include "ui/ScanWindow.h"

#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "platform/Twips.h"
#include "scanner/ScanStationList.h"
#include "ui/PlainText.h"
#include "ui/ScanPresetDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kNotice = QStringLiteral(
    "Before starting the scan function by selecting your player, please be sure all players are closed and "
    "the audio device is not in use (otherwise the scan function will not work properly).");
const QString kPlayersMissing = QStringLiteral(
    "The scan function requires both the RealPlayer and Microsoft Media Player to function correctly, please "
    "download and install them before using scan. (see setup)");
const QString kModulesMissing = QStringLiteral(
    "You are missing necessary files to operate in scan mode.  Files (projModr.exe and/or projModm.exe) are "
    "missing!");
const QString kPlayersMissingOnOpen =
    QStringLiteral("Critical Error. You are missing either RealPlayer or Microsoft Media Player on your "
                   "computer.  These players are necessary to use the scan function.");
constexpr int kMaxDwell = 32767;

// The number a text begins with; 0 when it begins with none.
qint64 leadingNumber(const QString& text)
{
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9' || value > kMaxDwell)
            break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool isSiteAddress(const QString& site)
{
    const QString upper = site.toUpper();
    return upper.startsWith(QLatin1String("HTTP://")) || upper.startsWith(QLatin1String("HTTPS://"));
}
} // namespace

ScanWindow::ScanWindow(Context context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(std::move(context)),
      m_step(ScanStep::Context{m_context.settings, m_context.client, m_context.tick, m_context.modules, *this,
                               m_context.dataFolder, m_context.moduleFolder, m_context.queryHost})
{
    setObjectName(QStringLiteral("frmScan"));
    setWindowTitle(kAppTitle + QStringLiteral(" - Station Scan"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    setFrameHeight(kShortFrameTwips);
    if (m_context.mainWindow)
        m_context.mainWindow->installEventFilter(this);
    checkPlayers();
}

ScanWindow::~ScanWindow()
{
    if (m_context.mainWindow)
        m_context.mainWindow->removeEventFilter(this);
}

bool ScanWindow::canScan(Dialogs& dialogs, const QString& realPlayerPath, const QString& mediaPlayerPath,
                         const QString& moduleFolder, const std::function<void()>& closeOpenScan)
{
    dialogs.message(MessageIcon::Information, kAppTitle, kNotice);
    if (closeOpenScan)
        closeOpenScan();
    if (realPlayerPath.isEmpty() || mediaPlayerPath.isEmpty()) {
        dialogs.message(MessageIcon::Critical, kAppTitle, kPlayersMissing);
        return false;
    }
    if (!QFile::exists(modulePath(moduleFolder, ScanStep::Module::Real)) ||
        !QFile::exists(modulePath(moduleFolder, ScanStep::Module::Media))) {
        dialogs.message(MessageIcon::Critical, kAppTitle, kModulesMissing);
        return false;
    }
    return true;
}

QString ScanWindow::modulePath(const QString& moduleFolder, ScanStep::Module module)
{
    return moduleFolder + QLatin1Char('/') + ScanStep::moduleFileName(module);
}

void ScanWindow::checkPlayers()
{
    const bool missing = m_context.settings.text(Settings::Key::Real).isEmpty() ||
                         m_context.settings.text(Settings::Key::Netshow).isEmpty();
    if (!missing) {
        m_step.open();
        return;
    }
    // Told once the window is on its way, and then it closes.
    QTimer::singleShot(0, this, [this] { endScan(MessageIcon::Critical, kPlayersMissingOnOpen); });
}

void ScanWindow::buildControls()
{
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("FrameR"));
    m_heading = new QLabel(QStringLiteral("Select Stream Type"), m_frame);
    m_heading->setObjectName(QStringLiteral("Label1"));
    place(m_heading, 120, 240, 2175);
    m_style = new QComboBox(m_frame);
    m_style->setObjectName(QStringLiteral("comboStyle"));
    m_style->setAccessibleName(QStringLiteral("Station style"));
    m_style->addItems(ScanStationList::styles());
    m_style->installEventFilter(this);
    place(m_style, 120, 480, 2175);
    m_player = new QComboBox(m_frame);
    m_player->setObjectName(QStringLiteral("comboS"));
    m_player->addItems({QStringLiteral("RealPlayer"), QStringLiteral("Windows Media")});
    m_player->setPlaceholderText(QStringLiteral("Choose Player"));
    m_player->setCurrentIndex(-1);
    m_player->setAccessibleName(QStringLiteral("Player"));
    m_player->installEventFilter(this);
    connect(m_player, &QComboBox::activated, this, &ScanWindow::pickPlayer);
    place(m_player, 120, 800, 2175);
    auto* change = new QLabel(QStringLiteral("Change Every"), m_frame);
    change->setObjectName(QStringLiteral("Label2"));
    place(change, 2760, 510);
    m_dwell = new QLineEdit(QStringLiteral("45"), m_frame);
    m_dwell->setObjectName(QStringLiteral("txtS"));
    change->setBuddy(m_dwell);
    m_dwell->installEventFilter(this);
    connect(m_dwell, &QLineEdit::textChanged, this, &ScanWindow::dwellChanged);
    // Wide enough for the largest dwell, 32000, at the user's font.
    m_dwell->setMinimumWidth(m_dwell->fontMetrics().horizontalAdvance(QStringLiteral("32000")) + 12);
    place(m_dwell, 3840, 480, 495);
    keepClear(change, m_dwell);
    auto* seconds = new QLabel(QStringLiteral("Seconds"), m_frame);
    seconds->setObjectName(QStringLiteral("Label3"));
    place(seconds, 4440, 510);
    keepClear(m_dwell, seconds);
    m_unknown = new QCheckBox(QStringLiteral("Include Unknown Format Stations"), m_frame);
    m_unknown->setObjectName(QStringLiteral("chkU"));
    place(m_unknown, 2760, 780);

    const int rowTops[4] = {1455, 1680, 1920, 2160};
    const char* rowNames[4] = {"Station", "Format", "Location", "BPS"};
    for (int row = 0; row < 4; ++row) {
        auto* name = new QLabel(QString::fromLatin1(rowNames[row]), m_frame);
        name->setObjectName(QStringLiteral("Label") + QString::number(row + 4));
        place(name, 120, rowTops[row]);
        m_info[row] = new QLabel(m_frame);
        m_info[row]->setObjectName(QStringLiteral("lblInfo") + QString::number(row));
        place(m_info[row], 960, rowTops[row], 3300);
    }
    m_info[0]->installEventFilter(this);
    m_playing = new QLabel(m_frame);
    m_playing->setObjectName(QStringLiteral("picVol"));
    m_playing->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(16, 16));
    place(m_playing, 4350, 1455, 240, 240);

    const auto button = [this](const QString& text, const char* name, int top) {
        auto* b = new QPushButton(text, m_frame);
        b->setObjectName(QString::fromLatin1(name));
        b->setEnabled(false);
        place(b, 4350, top, 1095, 255);
        return b;
    };
    m_pause = button(QStringLiteral("&Pause"), "cmdPause", 1800);
    m_next = button(QStringLiteral("&Next"), "cmdNext", 2085);
    m_presetsButton = button(QStringLiteral("Add Preset"), "cmdPresets", 2370);
    connect(m_pause, &QPushButton::clicked, this, &ScanWindow::pauseOrResume);
    connect(m_next, &QPushButton::clicked, this, &ScanWindow::nextStation);
    connect(m_presetsButton, &QPushButton::clicked, this, &ScanWindow::openPresets);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statbar"));
    status->setSizeGripEnabled(false);
    for (int panel = 0; panel < 2; ++panel) {
        m_panels[panel] = new QLabel(status);
        m_panels[panel]->setTextFormat(Qt::PlainText);
        m_panels[panel]->setObjectName(QStringLiteral("panel") + QString::number(panel + 1));
        status->addWidget(m_panels[panel], 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_frame);
    layout->addStretch();
    layout->addWidget(status);
}

int ScanWindow::pixels(int twips) const
{
    return Twips::toPixels(twips, logicalDpiX());
}

void ScanWindow::place(QWidget* widget, int left, int top, int width, int height)
{
    const QSize hint = widget->sizeHint();
    widget->setGeometry(pixels(left), pixels(top),
                        width > 0 ? std::max(pixels(width), widget->minimumWidth()) : hint.width(),
                        height > 0 ? pixels(height) : hint.height());
}

void ScanWindow::keepClear(const QWidget* left, QWidget* right)
{
    // A larger font widens a label: what follows it on its line moves on instead of covering it.
    const int clear = left->geometry().right() + pixels(60);
    if (right->x() < clear)
        right->move(clear, right->y());
}

int ScanWindow::contentWidth() const
{
    // The window grows where a text at the user's font needs more room than the layout gives.
    int right = 0;
    for (const QWidget* child : m_frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, child->geometry().right());
    return std::max(pixels(kFrameWidthTwips), right + pixels(120));
}

void ScanWindow::setFrameHeight(int twips)
{
    const int width = contentWidth();
    m_frame->setFixedSize(width, pixels(twips));
    // Only the frame's height changes: the window keeps the status bar under it.
    const int height = pixels(kHeightTwips) - pixels(kFullFrameTwips - twips);
    setFixedSize(width + pixels(kWidthTwips - kFrameWidthTwips), height);
}

void ScanWindow::pickPlayer(int index)
{
    if (index < 0 || m_step.isStopped() || !m_player->isEnabled())
        return;
    setStatusPanel(1, QStringLiteral("Loading Stations.."));
    setFrameHeight(kFullFrameTwips);
    m_player->setEnabled(false);
    const auto family =
        index == 0 ? ScanStationList::Family::RealPlayer : ScanStationList::Family::WindowsMedia;
    const QString position =
        ScanStationList::resumePosition(m_context.settings, family, styleShown(), m_context.services.dialogs);
    if (m_closing)
        return;
    m_step.start(family, position);
}

void ScanWindow::pauseOrResume()
{
    const bool pause = m_pause->text() == QLatin1String("&Pause");
    m_pause->setText(pause ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    m_step.setPaused(pause);
}

void ScanWindow::nextStation()
{
    m_next->setEnabled(false);
    m_pause->setEnabled(false);
    m_presetsButton->setEnabled(false);
    m_step.next();
}

void ScanWindow::openPresets()
{
    if (m_presetDialog || m_closing)
        return;
    m_presetDialog = new ScanPresetDialog(m_context.presets, m_context.settings, m_context.services.dialogs,
                                          lName(), lURL(), m_context.presetAssigned, this);
    m_presetDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_presetDialog, &QDialog::finished, this, [this] {
        m_presetDialog = nullptr;
        // A close asked for while the dialog was open happens now.
        if (m_closing)
            QTimer::singleShot(0, this, &QWidget::close);
    });
    m_presetDialog->open();
}

void ScanWindow::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    m_step.close();
    if (m_presetDialog) {
        event->ignore();
        return;
    }
    if (!m_closed) {
        m_closed = true;
        if (m_context.mainWindow && m_context.mainWindow->isMinimized())
            m_context.mainWindow->showNormal();
        Q_EMIT closed();
    }
    event->accept();
}

void ScanWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the window as its close box does, with the scan's closing steps.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScanWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followWithMainWindow();
}

// Also when the window first opens: a maximised main window returns to its normal size.
void ScanWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    followWithMainWindow();
}

void ScanWindow::followWithMainWindow()
{
    if (!m_context.mainWindow || m_closing)
        return;
    // The main window follows: minimised with the scan, back to normal otherwise.
    if (isMinimized())
        m_context.mainWindow->showMinimized();
    else if (m_context.mainWindow->windowState() != Qt::WindowNoState)
        m_context.mainWindow->showNormal();
}

bool ScanWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_context.mainWindow) {
        if (event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, &ScanWindow::takeActivationBack);
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return filterKey(watched, static_cast<QKeyEvent*>(event));
    if (watched == m_info[0] && m_underlined && event->type() == QEvent::MouseButtonPress) {
        openStationSite();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool ScanWindow::filterKey(QObject* watched, QKeyEvent* event) const
{
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.front().isPrint();
    // The lists change by picking an item, with the mouse or the arrow keys; typing does not
    // search them.
    if (watched == m_style || watched == m_player)
        return typed;
    if (watched == m_dwell)
        return typed && !(text.size() == 1 && text.front() >= u'0' && text.front() <= u'9');
    return false;
}

void ScanWindow::takeActivationBack()
{
    if (m_closing || m_presetDialog || QApplication::activeModalWidget() || !isVisible() || isMinimized())
        return;
    if (QApplication::activeWindow() != m_context.mainWindow)
        return;
    raise();
    activateWindow();
}

void ScanWindow::dwellChanged()
{
    const qint64 value = leadingNumber(m_dwell->text());
    if (value > kMaxDwell)
        m_dwell->setText(QStringLiteral("32000"));
    else if (value == 0)
        m_dwell->setText(QStringLiteral("25"));
}

void ScanWindow::openStationSite()
{
    if (m_context.openSite)
        m_context.openSite(m_site);
}

QString ScanWindow::styleShown() const
{
    return m_style->currentText();
}

bool ScanWindow::includeUnknown() const
{
    return m_unknown->isChecked();
}

int ScanWindow::dwellSeconds() const
{
    return static_cast<int>(leadingNumber(m_dwell->text()));
}

void ScanWindow::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 2)
        m_panels[panel - 1]->setText(text);
}

void ScanWindow::setHeading(const QString& text)
{
    m_heading->setText(text);
}

void ScanWindow::showStation(const ScanStationList::Station& station)
{
    m_site = station.site;
    m_underlined = isSiteAddress(station.site);
    const QString texts[4] = {station.name, station.format,
                              station.location1 + QStringLiteral(", ") + station.location2, station.bitRate};
    for (int row = 0; row < 4; ++row) {
        m_info[row]->setTextFormat(Qt::PlainText);
        m_info[row]->setText(texts[row]);
        m_info[row]->setToolTip(plainToolTip(texts[row]));
    }
    QFont font = m_info[0]->font();
    font.setUnderline(m_underlined);
    m_info[0]->setFont(font);
    m_info[0]->setCursor(m_underlined ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ScanWindow::stationSwitching()
{
    m_pause->setText(QStringLiteral("&Pause"));
    m_pause->setEnabled(false);
    m_presetsButton->setEnabled(false);
    m_next->setEnabled(false);
}

void ScanWindow::setPlaying(bool playing)
{
    m_playing->setVisible(playing);
    m_pause->setEnabled(playing);
    m_presetsButton->setEnabled(playing);
}

void ScanWindow::setNextEnabled(bool enabled)
{
    m_next->setEnabled(enabled);
}

void ScanWindow::endScan(MessageIcon icon, const QString& message)
{
    // Shown from the event loop, not from inside the step that ended.
    QTimer::singleShot(0, this, [this, icon, message] {
        if (m_closing)
            return;
        m_context.services.dialogs.message(icon, kAppTitle, message);
        close();
    });
}
