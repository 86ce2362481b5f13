#pragma once

#include "channel_scale.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The graph's controls on the side panel Panel15, as its builder made them (in channel order):
// the recording pair, the channel check boxes and the value boxes.
struct GraphPanelControls {
    QPushButton *record = nullptr;                         // BitBtn7 "Запись"
    QPushButton *stop = nullptr;                           // BitBtn6 "Останов"
    std::array<QCheckBox *, kChannelCount> channelBoxes{}; // CheckBox1..CheckBox6
    std::array<QLineEdit *, kChannelCount> valueBoxes{};   // Edit1..Edit6
};
