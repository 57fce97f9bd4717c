#pragma once

#include <QObject>

// The program's one-second time base. The program object's timer calls tick(); tests call it
// directly. Every wait counts its own silence on it.
class Tick : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void tick() { Q_EMIT ticked(); }

Q_SIGNALS:
    void ticked();
};
