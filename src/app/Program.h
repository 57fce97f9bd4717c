#pragma once

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "platform/DesktopServices.h"
#include "platform/GioDefaultApps.h"
#include "platform/IniSettingsBacking.h"

#include <QObject>

#include <memory>

class HttpClient;
class MainWindow;
class SplashWindow;

// The running program: the desktop services, the settings store, the main window and the
// start-up sequence that brings them up.
class Program : public QObject, private StartupView
{
    Q_OBJECT

public:
    Program();
    ~Program() override;

    // Starts the start-up sequence; the program ends when finished() is emitted.
    void start();

Q_SIGNALS:
    void finished(int exitCode);

private:
    void restoreSettings() override;
    void showSplash() override;
    void copySplashPicture() override;
    void closeSplash() override;
    void setCaption(const QString& caption) override;
    void showConnectionSetup() override;
    void showMainWindow() override;

    DesktopServices m_desktop;
    IniSettingsBacking m_backing;
    Settings m_settings;
    AppState m_state;
    GioDefaultApps m_defaultApps;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<SplashWindow> m_splash;
    HttpClient* m_lookupClient = nullptr;
    Startup* m_startup = nullptr;
    bool m_prompting = false;
};
