#pragma once
// SIGTERM, SIGINT and SIGHUP (a shutdown, Ctrl+C, the end of the terminal or session) end the
// program through its event loop, so that it can keep what it must first. The handlers only
// write the signal's number into a socket; the event loop reads it and reports it.

#include <QObject>

class QSocketNotifier;

class ShutdownSignals : public QObject {
    Q_OBJECT

public:
    // One per program: the handlers write to this object's socket.
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

    // Whether the handlers are in place (a socket could be made).

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
