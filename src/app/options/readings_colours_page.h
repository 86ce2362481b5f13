#pragma once

#include "options_page.h"

// "Показания": the colours of the readings view: its value boxes, its caption memos and its
// panels, or the channel colours for the value boxes.
class ReadingsColoursPage : public OptionsPage {
    Q_OBJECT

public:
    ReadingsColoursPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);

protected:
    // "Цвет как у графиков" recolours the readings at once.
    void fieldApplied(int field) override;
};
