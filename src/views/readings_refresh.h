#pragma once

#include "readings_view.h"

#include <QObject>

struct AppSettings;
class Clock;
class QTimer;
struct CurrentReadings;

// The refresh of the readings, table, report and information views on TimerTab: writes the
// latest readings into every one of their controls on each tick, visible or not, and sends
// the graph panel's texts to the graph's recording controller, which shows them.
class ReadingsRefresh : public QObject {
    Q_OBJECT

public:
    // `timerTab`'s timeout is connected to TimerTabTimer. `indicationRunning` is the
    // "Пуск/стоп" state, false while the views are frozen.
    ReadingsRefresh(QTimer &timerTab, const CurrentReadings &readings, const AppSettings &settings,
                    const bool &indicationRunning, const ReadingsView::Controls &controls,
                    Clock &clock, QObject *parent = nullptr);

    // One tick. The timer is stopped while it runs; afterwards it starts again while the
    // indication runs, and otherwise it gets its configured interval back and stays off, so
    // the one tick that "Пуск/стоп" arms at 1 ms is the last until the indication resumes.
    void TimerTabTimer();

    // Mode indication has been switched off: the CO and row-4 titles go back to their plain
    // form.
    void resetModeTitles();

signals:
    // Each tick: the texts of the graph panel's value boxes Edit1..Edit6, which the graph's
    // recording controller shows.
    void graphPanelTexts(const ChannelTexts &texts);

private:
    QTimer &timerTab_;
    const CurrentReadings &readings_;
    const AppSettings &settings_;
    const bool &indicationRunning_;
    Clock &clock_;
    ReadingsView view_;
};
