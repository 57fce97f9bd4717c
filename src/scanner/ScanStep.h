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
// the marker files. Each part is a state left on a tick, a timer or a reply; nothing waits in
// place.
//
// Before any marker file is deleted, every module still running is ended, so a module of the
// last station (or of an earlier scan) never reads the next station's markers.
class ScanStep : public QObject
{
    Q_OBJECT

public:
    enum class Phase
    {
        Idle,
        EndingModules, // waits for earlier modules to end before the markers go
        Spacing,       // keeps a second between two requests
        Requesting,
        Playing, // the dwell
        Stopping // the empty terminate marker is out; waits for the done marker
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
    bool isPaused() const { return m_paused; }
    // The window closes: nothing more happens here, "TERMINATE" goes out and the module is
    // ended.
    void close();

    Phase phase() const { return m_phase; }
    bool isStopped() const { return m_stopped; }
    int idleSeconds() const { return m_idle; }
    const ScanStationList::Station& station() const { return m_station; }
    const QString& position() const { return m_position; }
    qint64 modulePid() const { return m_pid; }

    // The module for a stream link's player code.
    static Module moduleFor(const QString& link);
    // "R", "N", "X", "2" or "" for an empty link.
    static QString playerCode(const QString& link);
    static QString moduleFileName(Module module);
    // The first field of a status file: a quoted field without its quotes, otherwise the text
    // up to the first comma or line end.
    static QString statusField(const QString& text);

private:
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
    void deleteMarkers(const QStringList& names);
    QString marker(const QString& name) const;

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
    ScanStationList::Family m_family = ScanStationList::Family::RealPlayer;
    ScanStationList::Station m_station;
    QString m_position = ScanStationList::kStart;
    QString m_style;
    QString m_statusShown;
    qint64 m_pid = 0;
    bool m_moduleStarted = false;
    bool m_playSeen = false;
    bool m_paused = false;
    bool m_skip = false;
    bool m_scanning = false;
    bool m_stopped = false;
    bool m_opening = false;
    bool m_requested = false;
    int m_idle = 0;
    int m_doneTicks = 0;
    int m_ticksSinceRequest = 0;
    int m_failedStarts = 0;
};
