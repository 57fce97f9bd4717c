#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class ProcessControl;
class Tick;

// The companion programs started by station scans, kept by process id for the whole program:
// a scan window that closes leaves its module here, so the next scan ends it before it touches
// the marker files the two would share.
//
// Ending asks each module to end, waits kKillAfterTicks ticks for it to clean up (it stops its
// player first) and then ends it by force.
class ScanModules : public QObject
{
    Q_OBJECT

public:
    static constexpr int kKillAfterTicks = 5;
    // How often ending modules are looked at; they are not our children, so nothing reports
    // their end.
    static constexpr int kPollMs = 50;

    ScanModules(ProcessControl& processes, Tick& tick, QObject* parent = nullptr);

    // Starts program with the stream link as its one argument and this program's process id in
    // SKYLARK_PROGRAM_PID; the module's process id, 0 when it could not be started.
    qint64 start(const QString& program, const QString& link);
    bool isRunning(qint64 pid);
    // True while any module started here still runs.
    bool anyRunning();
    // Ends every module still running; allEnded() follows once none runs (queued, also when
    // none ran).
    void endAll();
    bool isEnding() const { return m_ending; }

Q_SIGNALS:
    void allEnded();

private:
    void prune();
    void onTick();
    void onPoll();
    void finishEnding();

    ProcessControl& m_processes;
    QList<qint64> m_pids;
    QTimer m_poll;
    bool m_ending = false;
    int m_endingTicks = 0;
};
