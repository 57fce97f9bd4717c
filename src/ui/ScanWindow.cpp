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
const char* const kNotice = QT_TRANSLATE_NOOP(
    "ScanWindow",
    "Before starting the scan function by selecting your player, please be sure all players are closed and "
    "the audio device is not in use (otherwise the scan function will not work properly).");
const char* const kPlayersMissing = QT_TRANSLATE_NOOP(
    "ScanWindow",
    "The scan function requires both the RealPlayer and Microsoft Media Player to function correctly, please "
    "download and install them before using scan. (see setup)");
const char* const kModulesMissing = QT_TRANSLATE_NOOP(
    "ScanWindow",
    "You are missing necessary files to operate in scan mode.  Files (projModr.exe and/or projModm.exe) are "
    "missing!");
const char* const kPlayersMissingOnOpen = QT_TRANSLATE_NOOP(
    "ScanWindow", "Critical Error. You are missing either RealPlayer or Microsoft Media Player on your "
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
    setWindowTitle(kAppTitle + tr(" - Station Scan"));
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
    dialogs.message(MessageIcon::Information, kAppTitle, QCoreApplication::translate("ScanWindow", kNotice));
    if (closeOpenScan)
        closeOpenScan();
    if (realPlayerPath.isEmpty() || mediaPlayerPath.isEmpty()) {
        dialogs.message(MessageIcon::Critical, kAppTitle,
                        QCoreApplication::translate("ScanWindow", kPlayersMissing));
        return false;
    }
    if (!QFile::exists(modulePath(moduleFolder, ScanStep::Module::Real)) ||
        !QFile::exists(modulePath(moduleFolder, ScanStep::Module::Media))) {
        dialogs.message(MessageIcon::Critical, kAppTitle,
                        QCoreApplication::translate("ScanWindow", kModulesMissing));
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
    QTimer::singleShot(0, this, [this] {
        endScan(MessageIcon::Critical, QCoreApplication::translate("ScanWindow", kPlayersMissingOnOpen));
    });
}

void ScanWindow::pickPlayer(int index)
{
    if (index < 0 || m_step.isStopped() || !m_player->isEnabled())
        return;
    setStatusPanel(1, tr("Loading Stations.."));
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
    const bool pause = m_pause->text() == tr("&Pause");
    m_pause->setText(pause ? tr("&Resume") : tr("&Pause"));
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
    if (watched == m_info[0] && m_underlined && event->type() == QEvent::KeyPress) {
        // The station's site opens from the keyboard as from a click on its name.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            openStationSite();
            return true;
        }
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
    // The English name: it is stored and sent, whatever the list shows.
    return m_style->currentData().toString();
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
    // A name that opens the station's site takes the focus like a link.
    m_info[0]->setFocusPolicy(m_underlined ? Qt::StrongFocus : Qt::NoFocus);
}

void ScanWindow::stationSwitching()
{
    m_pause->setText(tr("&Pause"));
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
