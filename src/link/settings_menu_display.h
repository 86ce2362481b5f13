#pragma once

#include "current_readings.h"
#include "poll_cycle.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class UserPrompts;

// The logic of the tachometer dialog TUpr ("ИЗМЕНЕНИЕ"). While the analyser has one of its
// settings menus open (atmospheric pressure, number of cylinders, tachometer sensitivity)
// the dialog shows the setting's name, its value and a reminder of the analyser's keys, and
// the poll cycle runs its settings-menu cycle; when the analyser leaves the menu the dialog
// closes. The dialog itself changes nothing in the analyser; Esc offers to switch the mode
// indication off. Every decision is returned as data; the dialog and the main window
// apply it.
class SettingsMenuDisplay {
public:
    enum Menu { NoMenu = 0, PressureMenu = 1, CylindersMenu = 2, TachoMenu = 3 };

    static constexpr QStringView Caption = u"ИЗМЕНЕНИЕ";
    static constexpr QStringView SwitchOffQuestion = u"Отключить индикацию режимов работы ?";
    // Panel1: the analyser's keys; Panel2: how to change the number of cylinders.
    static const QStringList KeysPanelLines;
    static const QStringList CylindersPanelLines;

    // The menu the analyser has open: the pressure menu (ModeFlag::PressureMenuOpen) wins, then
    // the cylinders menu, then the tachometer menu (MenuFlag, analyser_flags.h).
    static int menuFor(quint8 modeFlags, quint8 menuFlags);
    // The value as Edit1 shows it: the pressure as pressure x 3213 / 65536 (cut toward
    // zero), the number of cylinders, the sensitivity.
    static QString valueText(int menu, const CurrentReadings &readings);
    static qint64 pressureValue(qint64 raw);

    // The texts the dialog takes when it opens.
    struct Opening {
        QString label;       // Label1
        bool keysPanel;      // Panel1 shown
        bool cylindersPanel; // Panel2 shown
        friend bool operator==(const Opening &, const Opening &) = default;
    };
    static Opening openingFor(int menu); // menu 1 to 3

    // What one receive tick does while the mode indication is on.
    struct Step {
        std::optional<Opening> open;  // the dialog opens (non-modal) with these texts
        std::optional<QString> value; // Edit1's text
        bool close = false;           // the dialog closes
        std::optional<int> pollMode;  // PollMode of the poll cycle
        bool resetPollStep = false;   // PollStep := 0
        friend bool operator==(const Step &, const Step &) = default;

        // Sets the poll cycle's mode and step as this step asks.
        void applyToPollCycle(PollCycle &cycle) const;
    };

    // menu: the open settings menu (menuFor of the readings' flags). The label and panels
    // are set only when the dialog opens: moving from one menu straight into another keeps
    // the first one's texts and shows the new value.
    Step tick(int menu, const CurrentReadings &readings);

    bool dialogShown() const { return shown_; }

    // Esc answered with Yes: the mode indication is switched off and the main window's
    // mode displays return to their plain texts. The dialog-shown flag stays set until a
    // tick with no menu, once the indication is back on, clears it.
    // (The readings view puts its plain mode titles back itself.)
    struct IndicationOff {
        int oldAnalyser = 1; // AppSettings::OldAnalyser: mode indication off
        QString pumpText;    // Edit14
        QString fuelText;    // Edit15
        bool closeDialog = true;
    };
    static IndicationOff indicationOff();

    // A key released on the dialog: only Esc does something. It asks SwitchOffQuestion
    // (Yes, No, Cancel); on Yes the indication goes off. Any other key or answer changes
    // nothing.
    static std::optional<IndicationOff> keyReleased(int key, UserPrompts &prompts);

private:
    bool shown_ = false;
};
