#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (a session that logs out, "kill" without -9) and SIGINT (Ctrl+C in
// the terminal) ask the editor to close. The signal handler only writes a byte to a socket; the event loop
// reads it and emits Requested.
class TTerminationSignal : public QObject
{
    Q_OBJECT

public:
    explicit TTerminationSignal(QObject *parent = nullptr);
    ~TTerminationSignal() override;

signals:
    void Requested();

private:
    QSocketNotifier *m_notifier = nullptr;
};
