#pragma once

#include "current_readings.h"

#include <QString>

#include <functional>
#include <optional>

// The demonstration without an analyser: every tick of TimerDemo puts plausible random
// values into the six-value sample of CurrentReadings; all other fields keep what they
// held. "Демонстрация" (ToolButton5, menu item N44) switches it on and off.
class Demonstration {
public:
    static constexpr int IntervalMs = 300;

    // A uniform whole number from 0 to bound - 1.
    using Random = std::function<int(int bound)>;

    // random: the source of the values (default: the system's generator).
    explicit Demonstration(Random random = {});

    // The next sample, each channel in its demonstration range (channel_info.h): CO
    // 3.20..3.69 %, CH 1000..1049 ppm, CO2 5.00..5.49 %, O2 10.00..10.49 %, lambda
    // 1.000..1.049, engine speed 800..849 min-1.
    ReadingSample nextSample();

    // TimerDemo's tick.
    void tick(CurrentReadings &readings) { readings.sample = nextSample(); }

    // What "Демонстрация" does. Whichever way it goes, the caller also sets
    // IndicationRunning, hides ProgressBar1 at 0, enables ToolButton17 ("Пуск/стоп") and
    // enables the refresh timer of the current view.
    struct Switch {
        bool start = false;                // start TimerDemo; otherwise stop it
        bool stopLink = false;             // stop polling and any search; an open port stays open
        QString linkStatus;                // Edit16
        std::optional<QString> portStatus; // Edit17, when it changes
        friend bool operator==(const Switch &, const Switch &) = default;
    };
    static Switch toggle(bool demonstrationRunning);

private:
    Random random_;
};
