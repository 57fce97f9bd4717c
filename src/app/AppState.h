#pragma once

#include "playback/PlayerPaths.h"

#include <QObject>
#include <QString>

// Program-wide state shared by the main window and the parts it drives. tick() is the
// one-second time base: the main window's timer calls it, tests call it directly.
class AppState : public QObject
{
    Q_OBJECT

public:
    static constexpr qint32 kIdleWrap = 50000;

    using QObject::QObject;

    // Host of the directory service, optionally with ":port"; fixed by the start-up lookup.
    QString QueryHost;
    // The connection type chosen by the user; empty before the first choice.
    QString ConSpeed;
    QString ProxyHost;
    QString ProxyPort;
    PlayerPaths Players;
    // Ends every wait: set by Stop, by shut-down and by the scan window's close.
    bool StopRequested = false;
    // Seconds since the last response event of the current wait.
    qint32 IdleSeconds = 0;
    bool lScanActive = false;

    void tick()
    {
        if (++IdleSeconds > kIdleWrap)
            IdleSeconds = 0;
        Q_EMIT ticked();
    }

Q_SIGNALS:
    // After each advance of IdleSeconds; waiting parts check their time-outs here.
    void ticked();
};
