#pragma once

#include "platform/SystemServices.h"
#include "scanner/ScanStationList.h"

#include <QObject>
#include <QString>
#include <QTimer>

class HttpClient;
class ScanModules;
class ScanReplyWait;
class ScanView;
class Settings;
class Tick;

// A station scan, one station after another: the request for the next station, the companion
// module that plays it, the dwell counted on the program's tick, and the stop handshake through
// the marker files. The step is a state machine: one phase, left on a tick, a timer, a reply or
// the end of modules, and the data of the station in hand; nothing waits in place.
//
// Before any marker file is deleted, every module still running is ended, so a module of the
// last station (or of an earlier scan) never reads the next station's markers.
class ScanStep : public QObject
{
    Q_OBJECT

public:
    enum class Phase
    {
        Idle,          // opened; no player picked yet
        Opening,       // earlier modules end before the opening deletes the markers
        StepDue,       // the next station step follows shortly
        EndingModules, // waits for earlier modules to end before the markers go
        Spacing,       // keeps a second between two requests
        Requesting,
        Playing,  // the dwell
        Stopping, // the empty terminate marker is out; waits for the done marker
        Ended,    // an outcome ended the scan
        Closed
    };
    enum class Module
    {
        None,
        Real,
        Media
    };

    // Ticks the step waits for "~done.tmp" after it wrote the empty "~term.tmp".
    static constexpr int kDoneWaitTicks = 10;
    // Stations in a row that end before playing; then the scan stops.
    static constexpr int kFailedStartLimit = 3;
    static constexpr int kStepDelayMs = 10;
    // How often a playing station's module and done marker are looked at.
    static constexpr int kDonePollMs = 100;

    struct Context
    {
        Settings& settings;
        HttpClient& client;
        Tick& tick;
        ScanModules& modules;
        ScanView& view;
        QString dataFolder;
        QString moduleFolder;
        QString queryHost;
    };

    explicit ScanStep(const Context& context, QObject* parent = nullptr);
    ~ScanStep() override;

    // The window opens: earlier modules are ended and the play, status and terminate markers
    // deleted.
    void open();
    // The player was picked: the scan begins at position.
    void start(ScanStationList::Family family, const QString& position);
    // Next: the current station ends through the stop handshake.
    void next();
    // Pause freezes the dwell count; the station plays on.
    void setPaused(bool paused);
    bool isPaused() const { return m_station.paused; }
    // The window closes: nothing more happens here, "TERMINATE" goes out and the module is
    // ended.
    void close();

    Phase phase() const { return m_phase; }
    bool isStopped() const { return m_phase == Phase::Closed; }
    int idleSeconds() const { return m_station.seconds; }
    const ScanStationList::Station& station() const { return m_station.station; }
    const QString& position() const { return m_position; }
    qint64 modulePid() const { return m_station.pid; }

    // The module for a stream link's player code.
    static Module moduleFor(const QString& link);
    static QString moduleFileName(Module module);

private:
    // Two ticks after a request at least one second has passed, however the first fell.
    static constexpr int kSpacingTicks = 2;

    // The station in hand, from its request to the end of its stop handshake.
    struct StationInHand
    {
        ScanStationList::Station station;
        Module module = Module::None;
        qint64 pid = 0;
        bool playSeen = false;
        bool paused = false;
        // Next was pressed or the dwell is over: the handshake begins at the next look.
        bool skip = false;
        int seconds = 0;
        int doneTicks = 0;
    };
    // What the list requests were made with: a change starts the list again.
    struct ListChoice
    {
        ScanStationList::Family family = ScanStationList::Family::RealPlayer;
        QString style;
        bool includeUnknown = false;
    };

    bool isScanning() const;
    void beginStation();
    void continueStation();
    void sendRequest();
    void onReply();
    void showOutcome(const ScanStationList::Evaluation& evaluation);
    void startModule();
    void beginDwell();
    void beginStopping();
    void stationEnded(bool byModule);
    void finishScan(MessageIcon icon, const QString& message);
    void onTick();
    void onPoll();
    void onModulesEnded();
    bool moduleFinished();
    void pollPlay();
    void pollStatus();

    Settings& m_settings;
    ScanModules& m_modules;
    ScanView& m_view;
    ScanReplyWait* m_wait;
    QString m_dataFolder;
    QString m_moduleFolder;
    QString m_queryHost;
    QTimer m_stepTimer;
    QTimer m_poll;
    Phase m_phase = Phase::Idle;
    ListChoice m_list;
    StationInHand m_station;
    QString m_position = ScanStationList::kStart;
    QString m_statusShown;
    // The first request goes out at once.
    int m_ticksSinceRequest = kSpacingTicks;
    int m_failedStarts = 0;
};
