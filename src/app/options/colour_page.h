#pragma once

#include "options_page.h"

// "Цвет": the colour of each channel in the diagrams and the graph, the graph's background,
// the norm marks and the width of the graph lines.
class ColourPage : public OptionsPage {
    Q_OBJECT

public:
    ColourPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);

protected:
    // A channel colour also colours the channel's graph line.
    void fieldApplied(int field) override;
};
