#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// A colour of an indicator field, as red, green, blue.
struct Rgb {
    quint8 r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// A text and its colour for one of the status line's indicator fields.
struct Indicator {
    QString text;
    Rgb color;
    friend bool operator==(const Indicator &, const Indicator &) = default;
};

// Turns the analyser's pump, mode and menu flags into what the status line shows: the
// pump field (pump on or off, or the zero setting, written once while it lasts), the fuel
// field, and which settings menu the analyser has open. It also tells when a zero setting
// has just ended, so that the channel states are read again.
class ModeIndication {
public:
    enum SettingsMenu { NoMenu = 0, PressureMenu = 1, CylindersMenu = 2, TachoMenu = 3 };

    struct Update {
        std::optional<Indicator> pump; // no value: leave the field as it is
        Indicator fuel;
        int settingsMenu = NoMenu;
        bool zeroSettingEnded = false;
    };

    Update apply(quint8 pumpFlags, quint8 modeFlags, quint8 menuFlags);

    // The pump or fuel field while nothing polled tells what they are (the link lost or
    // searching again).
    static inline const Indicator Unknown{QStringLiteral(" - - - -"), {0, 0, 0}};

    static int settingsMenuFor(quint8 modeFlags, quint8 menuFlags);
    static Indicator fuelFor(quint8 modeFlags);

    bool zeroSettingShown = false;
};
