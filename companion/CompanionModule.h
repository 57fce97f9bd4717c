#pragma once

#include "companion/ModuleOptions.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

// One station's playback: starts the player for the link, reports through the marker files
// and ends the player when asked to (terminate marker, a stop signal, or the program that
// started the module gone).
//
// Nothing the player starts outlives the module: the module collects the orphans below it
// (a child subreaper), so helpers that a player leaves behind, or that move into a session of
// their own, stay below it. Whenever the station ends, by the player or by a request, every
// process below the module is asked to end and killed after the grace, and the module finishes
// only once none is left. The player itself is killed by the kernel should the module be
// killed outright.
class CompanionModule : public QObject
{
    Q_OBJECT

public:
    explicit CompanionModule(ModuleOptions options, QObject* parent = nullptr);
    ~CompanionModule() override;

    // Checks the link and starts the player; finished() follows in every case.
    void start();
    // Ends the player if one runs, then writes the done marker and finishes.
    void stop();

    static constexpr int kPlayed = 0;
    static constexpr int kNotPlayed = 1;

Q_SIGNALS:
    void finished(int exitCode);

private:
    bool launchPlayer();
    void poll();
    void checkProgram();
    void markPlaying();
    void playerEnded();
    void endWithoutPlayer(const QString& status);
    void endTree();
    void watchTree();
    void finish(int exitCode);

    static constexpr int kTreePollMs = 20;

    ModuleOptions m_options;
    QProcess m_player;
    QTimer m_poll;
    QTimer m_playDelay;
    QTimer m_programWatch;
    QTimer m_killDelay;
    QTimer m_treeWatch;
    QList<qint64> m_asked;
    qint64 m_playerPid = 0;
    bool m_killing = false;
    bool m_stopping = false;
    bool m_finished = false;
};
