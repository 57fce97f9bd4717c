#pragma once

#include "collections/PresetTable.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "platform/IniSettingsBacking.h"
#include "platform/SystemServices.h"
#include "platform/UnixProcessControl.h"
#include "scanner/ScanModules.h"
#include "playback/Players.h"
#include "playback/ShellOpener.h"
#include "search/HttpClient.h"
#include "search/ResultsModel.h"
#include "ui/Startup.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class BookmarksWindow;
class DefaultApps;
class ScanWindow;
class MainCommands;
class MainWindow;
class PlayDispatch;
class SearchRun;
class SetupDialog;
class SplashWindow;
class TerminateWatch;
class WebWindow;

// The running program: it builds the long-lived parts (settings, HTTP clients, search, play
// dispatch, commands, main window), wires them, runs the start-up sequence and the shut-down.
class Program : public QObject, private StartupView
{
    Q_OBJECT

public:
    struct Context
    {
        // Where the program keeps its settings and writes its files.
        QString settingsFile;
        QString dataFolder;
        SystemServices services;
        DefaultApps& defaultApps;
        // False when the data folder could not be made or written: the user is told, and what
        // needs no files of ours still runs.
        bool dataFolderWritable = true;
    };

    explicit Program(Context context);
    ~Program() override;

    // Starts the start-up sequence; the program ends when finished() is emitted.
    void start();

    MainWindow& window() { return *m_main; }
    SetupDialog& setupDialog() { return *m_setup; }
    SearchRun& search() { return *m_search; }
    MainCommands& commands() { return *m_commands; }
    Tick& tick() { return m_tick; }
    ScanWindow* scanWindow() const;

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

    void startTimers();
    void wireWindow();
    void shutDown();
    void previewSite(const QString& site);
    BookmarksWindow& bookmarks();
    void startScan();
    void scanClosed(const ScanWindow* window);

    QString m_dataFolder;
    bool m_dataFolderWritable;
    SystemServices m_services;
    DefaultApps& m_defaultApps;
    IniSettingsBacking m_backing;
    Settings m_settings;
    Tick m_tick;
    QTimer m_tickTimer;
    QTimer m_elapsedTimer;
    PlayerPaths m_players;
    PresetTable m_presets;
    ShellOpener m_opener;
    ResultsModel m_model;
    HttpClient m_http;
    HttpClient m_streamHttp;
    HttpClient m_lookupHttp;
    HttpClient m_scanHttp;
    UnixProcessControl m_processes;
    ScanModules m_modules{m_processes, m_tick};
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<SplashWindow> m_splash;
    // Made at the first preview; it lives until the program ends.
    std::unique_ptr<WebWindow> m_web;
    // Made at first use; it keeps the list loaded until the program ends.
    std::unique_ptr<BookmarksWindow> m_bookmarks;
    QPointer<ScanWindow> m_scan;
    SetupDialog* m_setup = nullptr;
    SearchRun* m_search = nullptr;
    PlayDispatch* m_play = nullptr;
    MainCommands* m_commands = nullptr;
    TerminateWatch* m_terminateWatch = nullptr;
    Startup* m_startup = nullptr;
    bool m_prompting = false;
    bool m_ended = false;
};
