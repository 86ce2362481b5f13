#pragma once

#include "options_page.h"

class RadioGroup;

// "Нормы": how a reading above its norm is signalled, the vehicle characteristic the report
// carries, and the report form (offered only once the form selector has been unlocked).
class NormsPage : public OptionsPage {
    Q_OBJECT

public:
    NormsPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);

protected:
    void loaded() override;

private:
    RadioGroup *reportForm_; // RadioGroup9
};
