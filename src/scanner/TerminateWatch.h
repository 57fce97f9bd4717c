#pragma once

#include <QObject>
#include <QString>

class Tick;

// Keeps the terminate marker in place while no scan runs, so that a companion program left
// running from an earlier scan ends. A running scan suspends the watch.
class TerminateWatch : public QObject
{
    Q_OBJECT

public:
    TerminateWatch(QString dataFolder, Tick& tick, QObject* parent = nullptr);

    void setSuspended(bool suspended) { m_suspended = suspended; }
    bool isSuspended() const { return m_suspended; }

private:
    void onTick();

    QString m_dataFolder;
    bool m_suspended = false;
};
