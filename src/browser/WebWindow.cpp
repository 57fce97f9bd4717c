#include "browser/WebWindow.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QWebEngineView>

#include "browser/WebEngineSetup.h"
#include "browser/WebPage.h"
#include "browser/WindowGeometry.h"
#include "core/ProductInfo.h"
#include "platform/Twips.h"

namespace {
// Sizes in twips.
constexpr double kBesideWidth = 10000;
constexpr double kCentredSize = 7000;
constexpr double kMinimumSize = 1500;
// What the view leaves of the window for its border, title and menu bar.
constexpr double kViewWidthMargin = 110;
constexpr double kViewHeightMargin = 1000;

const WindowGeometry::Keys kGeometryKeys{Settings::Key::WLeft, Settings::Key::WTop, Settings::Key::WWidth,
                                         Settings::Key::WHeight};

bool isNormalState(const QWidget& window)
{
    return !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}
} // namespace

WebWindow::WebWindow(Settings& settings, SystemServices services,
                     std::function<void(const QString&)> openInBrowser, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_services(services),
      m_openInBrowser(std::move(openInBrowser)), m_busy(services.pointer)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmWeb"));
    setWindowTitle(tr("Mini-browser"));
    m_menuLaunch = menuBar()->addAction(tr("Launch My Browser"));
    m_menuLaunch->setObjectName(QStringLiteral("menuLaunch"));
    connect(m_menuLaunch, &QAction::triggered, this, &WebWindow::launchBrowser);
    m_client = new QWidget(this);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    // A stored place smaller than this would leave nothing of the page to see.
    setMinimumSize(toPixels(kMinimumSize), toPixels(kMinimumSize));
    resize(toPixels(kBesideWidth), toPixels(kCentredSize));
    if (WebEngineSetup::engineAvailable())
        createView();
    else
        m_engineFailed = true;
}

void WebWindow::createView()
{
    m_view = new QWebEngineView(m_client);
    m_view->setObjectName(QStringLiteral("WB1"));
    auto* page = new WebPage(m_view);
    m_view->setPage(page);
    connect(page, &QWebEnginePage::loadFinished, this, &WebWindow::onLoadFinished);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) { onRendererEnded(status); });
}

void WebWindow::showSite(const QString& address, const QWidget& mainWindow)
{
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    if (!WebPage::isWebAddress(url))
        return;
    if (m_engineFailed) {
        reportEngineFailure();
        return;
    }
    if (!m_placed) {
        placeFor(mainWindow);
        m_placed = true;
    }
    m_busy.open();
    m_view->load(url);
    show();
    raise();
}

void WebWindow::launchBrowser()
{
    const QUrl url = currentAddress();
    if (!url.isEmpty() && m_openInBrowser)
        m_openInBrowser(url.toString(QUrl::FullyEncoded));
}

QUrl WebWindow::currentAddress() const
{
    if (!m_view)
        return {};
    const QUrl url = m_view->url();
    return WebPage::isWebAddress(url) ? url : QUrl();
}

// ---- place and size ----------------------------------------------------------------------

int WebWindow::toPixels(double twips) const
{
    return Twips::toPixels(twips, logicalDpiX());
}

void WebWindow::placeFor(const QWidget& mainWindow)
{
    setWindowState(Qt::WindowNoState);
    if (!isNormalState(mainWindow)) {
        const QRectF place =
            WindowGeometry::stored(m_settings, kGeometryKeys, {0, 0, kCentredSize, kCentredSize}, *this);
        WindowGeometry::centre(*this, place.size());
        return;
    }
    // Beside the main window: its frame's right edge, level with its top, as tall as it.
    const QRectF main = WindowGeometry::normalTwips(mainWindow);
    const double mainFrameWidth =
        WindowGeometry::pixelsToTwips(mainWindow, mainWindow.frameGeometry().width());
    const QRectF beside{main.x() + mainFrameWidth, main.y(), kBesideWidth, main.height()};
    WindowGeometry::place(*this, WindowGeometry::stored(m_settings, kGeometryKeys, beside, *this));
}

void WebWindow::storeGeometry()
{
    WindowGeometry::store(m_settings, kGeometryKeys, *this);
}

bool WebWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutView();
    return QMainWindow::eventFilter(watched, event);
}

void WebWindow::layoutView()
{
    if (!m_view || isMinimized())
        return;
    const QSize frame = frameGeometry().size();
    const int width = std::min(frame.width() - toPixels(kViewWidthMargin), m_client->width());
    const int height = std::min(frame.height() - toPixels(kViewHeightMargin), m_client->height());
    m_view->setGeometry(0, 0, std::max(0, width), std::max(0, height));
}

// ---- page events -------------------------------------------------------------------------

void WebWindow::onLoadFinished(bool ok)
{
    if (ok)
        m_rendererWorked = true;
    m_busy.close();
}

void WebWindow::onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    m_busy.close();
    // A renderer that has shown pages before lost only the page it had; one that never
    // showed a page cannot start here.
    if (m_rendererWorked)
        return;
    m_engineFailed = true;
    reportEngineFailure();
    if (isVisible())
        close();
}

void WebWindow::reportEngineFailure()
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_services.dialogs.message(MessageIcon::Information, kAppTitle,
                               tr("The mini-browser cannot show web pages on this computer. Use "
                                  "Visit Stream Website to open a station's site in your browser."));
}

void WebWindow::closeEvent(QCloseEvent* event)
{
    const bool shown = isVisible();
    if (shown)
        storeGeometry();
    m_busy.close();
    m_placed = false;
    setWindowState(Qt::WindowNoState);
    // The page stops playing and loading while the window is closed.
    if (m_view && !m_engineFailed)
        m_view->setUrl(WebPage::blankAddress());
    event->accept();
    if (shown)
        Q_EMIT closed();
}
