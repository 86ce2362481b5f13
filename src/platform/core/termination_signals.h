#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (a desktop logout, Ctrl+C, a service stop) into a Qt signal
// on the GUI thread, so the program closes through its normal close path and saves its
// settings instead of dying with them unsaved.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void takeSignal();

    QSocketNotifier *notifier_ = nullptr;
};
