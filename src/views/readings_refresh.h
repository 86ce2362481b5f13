#pragma once

#include "readings_view.h"

#include <QObject>

struct AppSettings;
class Clock;
class QTimer;
class QWidget;
struct CurrentReadings;

// The refresh of the readings, table, report and information views on TimerTab: writes the
// latest readings into every one of their controls on each tick, visible or not.
class ReadingsRefresh : public QObject {
    Q_OBJECT

public:
    // `timerTab`'s timeout is connected to TimerTabTimer. `indicationRunning` is the
    // "Пуск/стоп" state, false while the views are frozen. The controls are found under
    // `root` now, once.
    ReadingsRefresh(QTimer &timerTab, const CurrentReadings &readings, const AppSettings &settings,
                    const bool &indicationRunning, QWidget *root, Clock &clock,
                    QObject *parent = nullptr);

    // One tick. The timer is stopped while it runs; afterwards it starts again while the
    // indication runs, and otherwise it gets its configured interval back and stays off, so
    // the one tick that "Пуск/стоп" arms at 1 ms is the last until the indication resumes.
    void TimerTabTimer();

    // Edit1..Edit6 of the graph panel from the current sample; the graph recorder calls it
    // on each sample while the graph view is shown.
    void UpdateGraphPanelValues();

    // Mode indication has been switched off: the CO and row-4 titles go back to their plain
    // form.
    void resetModeTitles();

private:
    QTimer &timerTab_;
    const CurrentReadings &readings_;
    const AppSettings &settings_;
    const bool &indicationRunning_;
    Clock &clock_;
    ReadingsView view_;
};
