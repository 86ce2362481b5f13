#pragma once

#include <QList>

// The settings fields fall into groups by what follows a change: each record index belongs
// to exactly one group, and SettingsStore says which groups a change touched.
enum class SettingsGroup {
    StoredOnly, // the format word and the reserved and spare words: nothing reacts to them
    View,       // CurrentView
    Norms,      // the vehicle category, after-treatment and speed mode lists; the alarm style
    Graph,      // the graph's points, shift, line width, hidden lines, start, full action,
                // legend and full scales
    Intervals,  // the refresh intervals of TimerTab, TimerDia and TimerGRP
    Appearance, // every colour: graph, norm marks, text and background of the controls,
                // channels and the readings boxes
    Link,       // port search and fixed port, connection at start, the analyser's modes and
                // built-in printer
    Report,     // the report form selector, the vehicle field and the report kind
    Window,     // window mode, restored state and frame
};

inline constexpr int kSettingsGroupCount = int(SettingsGroup::Window) + 1;

namespace SettingsGroups {

// A run of consecutive record indices of one group, first..last inclusive.
struct Rows {
    int first;
    int last;
    SettingsGroup group;
};

// The table, in record order.
const QList<Rows> &table();

// The group of the field at a record index, 0..AppSettings::kFieldCount-1.
SettingsGroup of(int recordIndex);

} // namespace SettingsGroups
