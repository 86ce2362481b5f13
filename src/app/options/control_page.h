#pragma once

#include "options_page.h"

// "Управл.": when graph recording starts, what a full graph does, the legend and the full
// scale of each channel.
class ControlPage : public OptionsPage {
    Q_OBJECT

public:
    ControlPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);
};
