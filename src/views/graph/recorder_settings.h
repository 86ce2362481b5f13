#pragma once

#include "app_settings.h"

// What the graph recorder takes from the settings, with the two quantities derived from them.
struct RecorderSettings {
    enum class FullAction { Shift, Stop }; // a full record scrolls, or stops with a message

    int pointsOnScreen = 250; // W: positions across the time axis
    int shiftPercent = 25;    // P: block scroll in percent of W
    int totalPoints = 1000;   // K: the record is full when it holds K + 1 samples
    bool shiftByOnePoint = true;
    FullAction fullAction = FullAction::Shift;

    // A value outside its options range (a damaged settings file) gives its default.
    static RecorderSettings fromAppSettings(const AppSettings &settings);

    int shiftStep() const { return pointsOnScreen * shiftPercent / 100; } // s
    int margin() const { return pointsOnScreen * 10 / 100; }              // m: the last tenth

    friend bool operator==(const RecorderSettings &, const RecorderSettings &) = default;
};
