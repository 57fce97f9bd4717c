#pragma once

#include "ModuleOptions.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

// One station's playback: starts the player for the link, reports through the marker files
// and ends the player when asked to (terminate marker, a stop signal, or the program that
// started the module gone). It never leaves the player running.
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
    void finish(int exitCode);
    void signalPlayer(int signalNumber);

    ModuleOptions m_options;
    QProcess m_player;
    QTimer m_poll;
    QTimer m_playDelay;
    QTimer m_programWatch;
    QTimer m_killDelay;
    bool m_stopping = false;
    bool m_finished = false;
};
