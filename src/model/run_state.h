#pragma once

#include "app_settings.h"
#include "current_readings.h"
#include "settings_store.h"
#include "vehicle_data.h"

#include <QString>

// The shared state of one run of the program, owned by the main window and handed to every
// controller that reads or changes it: the settings kept between runs, the flags consulted at
// exit, the station line and vehicle texts, the readings and their frozen copy, and whether
// the views follow the readings.
struct RunState {
    // The settings kept between runs: changed only through Store, which says what changed;
    // read through Settings.
    SettingsStore Store;
    const AppSettings &Settings = Store.get();
    ChangeFlags Flags;
    // The station line and the vehicle texts of the documents and the graph.
    VehicleData Vehicle{defaultStationName(), {}, {}, {}};
    CurrentReadings Readings;
    // The sample taken when "Пуск/стоп" stopped the indication; the views and the report
    // use it while IndicationRunning is false.
    ReadingSample FrozenReadings;
    // Whether the frozen sample was current when it was taken (Readings.ReadingsCurrent).
    bool FrozenReadingsCurrent = true;
    bool IndicationRunning = true;
    // TimerTab, TimerDia or neither, from the current view (ViewTimerMode).
    int ViewTimerMode = 0;

    // The readings the views and the report show: live, or frozen while the indication
    // is stopped.
    const ReadingSample &shownSample() const {
        return IndicationRunning ? Readings.sample : FrozenReadings;
    }
    // Whether shownSample() follows a live source: the report records it and the graph
    // samples it only then. A sample frozen while current stays current.
    bool shownReadingsCurrent() const {
        return IndicationRunning ? Readings.ReadingsCurrent : FrozenReadingsCurrent;
    }
};
