#pragma once

#include "core/Settings.h"
#include "platform/SystemServices.h"

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>

#include <functional>

class QAction;
class QWebEngineView;

// The mini-browser: a small window beside the main window that previews a station's web
// site. It keeps its place in the settings, holds the busy pointer while a page loads, and
// hands the page it shows to the user's own browser on request.
class WebWindow : public QMainWindow
{
    Q_OBJECT

public:
    // openInBrowser opens an address in the user's own browser and reports its own failures.
    WebWindow(Settings& settings, SystemServices services, std::function<void(const QString&)> openInBrowser,
              QWidget* parent = nullptr);

    // Shows the site beside mainWindow and loads it, busy until the load ends. The first
    // showing after construction or close takes the stored place, or one derived from
    // mainWindow. Only web addresses are shown; anything else leaves the window as it is.
    // Where the web engine cannot run, the first call says so once and nothing is shown.
    void showSite(const QString& address, const QWidget& mainWindow);
    // Opens the page now shown in the user's browser.
    void launchBrowser();
    // The address of the page now shown; empty while no page is shown.
    QUrl currentAddress() const;
    // True once the web engine proved unable to show pages.
    bool engineFailed() const { return m_engineFailed; }

Q_SIGNALS:
    // The user closed the window; its place has been stored.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createView();
    void placeFor(const QWidget& mainWindow);
    void storeGeometry();
    void layoutView();
    void onLoadFinished(bool ok);
    void onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);
    void reportEngineFailure();
    int toPixels(double twips) const;

    Settings& m_settings;
    SystemServices m_services;
    std::function<void(const QString&)> m_openInBrowser;
    BusySpan m_busy;
    QWidget* m_client = nullptr;
    QWebEngineView* m_view = nullptr;
    QAction* m_menuLaunch = nullptr;
    bool m_placed = false;
    bool m_engineFailed = false;
    bool m_failureReported = false;
    bool m_rendererWorked = false;
};
