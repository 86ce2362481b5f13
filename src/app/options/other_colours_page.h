#pragma once

#include "options_page.h"

// "Прочее": text and background colours of the readings grid, the printer header memo, the
// date and time grid, the report memo and the information memo.
class OtherColoursPage : public OptionsPage {
    Q_OBJECT

public:
    OtherColoursPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);
};
