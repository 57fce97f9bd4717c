#pragma once

#include <QObject>

class QSocketNotifier;

// SIGHUP brought onto the event loop: the handler only writes a byte to a pipe, and the
// notifier on the pipe's other end emits requested() on this object's thread.
class ReloadSignal : public QObject
{
    Q_OBJECT

public:
    explicit ReloadSignal(QObject* parent = nullptr);
    ~ReloadSignal() override;

    // False, with the handler not installed, when the pipe cannot be made.
    bool install();

Q_SIGNALS:
    void requested();

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};
