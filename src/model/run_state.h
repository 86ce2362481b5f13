#pragma once

#include "app_settings.h"
#include "current_readings.h"
#include "settings_store.h"
#include "vehicle_data.h"

#include <QString>

// "Пуск/стоп": whether the views follow the readings, and the sample frozen when they stopped.
// Owned by the indication switch (src/link); everybody else reads it through RunState.
struct IndicationState {
    bool running = true;
    // The sample taken when "Пуск/стоп" stopped the indication; the views and the report
    // use it while the indication is stopped.
    ReadingSample frozen;
    // Whether the frozen sample was current when it was taken.
    bool frozenCurrent = true;
};

// The shared state of one run of the program, owned by the main window and handed to every
// controller that reads or changes it: the settings kept between runs, the flags consulted at
// exit, the station line and vehicle texts, and read-only views of the readings (owned by the
// readings source) and of the indication state (owned by the indication switch).
struct RunState {
    // The settings kept between runs: changed only through Store, which says what changed;
    // read through Settings.
    SettingsStore Store;
    const AppSettings &Settings = Store.get();
    ChangeFlags Flags;
    // The station line and the vehicle texts of the documents and the graph.
    VehicleData Vehicle{defaultStationName(), {}, {}, {}};
    // TimerTab, TimerDia or neither, from the current view (ViewTimerMode).
    int ViewTimerMode = 0;

    // The owners' state, bound once by the main window (tests bind their own); before that,
    // fresh defaults.
    void bindReadings(const CurrentReadings &readings) { readings_ = &readings; }
    void bindIndication(const IndicationState &indication) { indication_ = &indication; }

    // The latest readings of the source that delivers them.
    const CurrentReadings &readings() const { return *readings_; }
    const IndicationState &indication() const { return *indication_; }
    bool indicationRunning() const { return indication_->running; }

    // The readings the views and the report show: live, or frozen while the indication
    // is stopped.
    const ReadingSample &shownSample() const {
        return indicationRunning() ? readings_->sample : indication_->frozen;
    }
    // Whether shownSample() follows a live source: the report records it only then (the
    // graph samples the live readings, while they are current). A sample frozen while
    // current stays current.
    bool shownReadingsCurrent() const {
        return indicationRunning() ? readings_->ReadingsCurrent : indication_->frozenCurrent;
    }

private:
    static inline const CurrentReadings NoReadings{};
    static inline const IndicationState NotStopped{};
    const CurrentReadings *readings_ = &NoReadings;
    const IndicationState *indication_ = &NotStopped;
};
