#pragma once

#include <QObject>
#include <QString>

class Dialogs;
class HttpClient;
class ServerLookup;
class Settings;
class Tick;

// The windows that start-up drives, implemented by the program's window layer.
class StartupView
{
public:
    virtual ~StartupView() = default;
    virtual void restoreSettings() = 0;
    // Shows the splash; its timer later calls Startup::splashTimedOut().
    virtual void showSplash() = 0;
    virtual void copySplashPicture() = 0;
    virtual void closeSplash() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The setup dialog, modal, on its "Select Speed" tab with "Select Connection" in the list;
    // when it is hidden again the view calls Startup::setupClosed().
    virtual void showConnectionSetup() = 0;
    virtual void showMainWindow() = 0;
};

// The start-up sequence after the single-instance check: settings, splash, search host lookup,
// caption, terminate marker, and the first-run connection prompt, as asynchronous steps.
class Startup : public QObject
{
    Q_OBJECT

public:
    Startup(StartupView& view, const Settings& settings, Dialogs& dialogs, HttpClient& lookupClient,
            Tick& tick, QString dataFolder, QObject* parent = nullptr);
    ~Startup() override;

    void run();
    void splashTimedOut();
    // Esc or a close request on the splash: the stored service host is taken at once, so a
    // lookup that hangs never keeps the user from the program and its setup.
    void splashDismissed();
    void setupClosed();

Q_SIGNALS:
    // The directory's search host is known.
    void hostFound(const QString& host);
    // The main window is shown.
    void ready();
    // The service could not be contacted; the program ends.
    void failed();

private:
    enum class Phase
    {
        Loading,
        Splash,
        LookingUp,
        Done
    };

    void onHostFound(const QString& host);
    void promptForConnection();

    StartupView& m_view;
    const Settings& m_settings;
    Dialogs& m_dialogs;
    ServerLookup* m_lookup;
    QString m_dataFolder;
    Phase m_phase = Phase::Loading;
};
