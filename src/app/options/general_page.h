#pragma once

#include "analyser_kind.h"
#include "options_page.h"

class QCheckBox;
class RadioGroup;

// "Общие": the refresh intervals of the table and diagram views, the window mode, the
// return to the default settings and the analyser's features.
class GeneralPage : public OptionsPage {
    Q_OBJECT

public:
    // The question "Настройки по умолчанию." asks.
    static const QString DefaultsQuestion;

    // analyserKind: the analyser the link has identified, consulted when the mode indication
    // box is ticked.
    GeneralPage(SettingsStore &settings, UserPrompts &prompts,
                std::function<AnalyserKind()> analyserKind, QWidget *parent = nullptr);

    // Whether the window group "    Окно   " was clicked since the dialog was shown, and the
    // mode it shows.
    bool windowModeClicked() const { return windowModeClicked_; }
    int windowMode() const;

signals:
    // "Настройки по умолчанию." was answered Yes.
    void defaultsConfirmed();
    // The mode indication box was unticked (or unticked itself): OldAnalyser is 1.
    void modeIndicationSwitchedOff();
    // The mode indication box was ticked with a four-component analyser: OldAnalyser is 0 and
    // the poll cycle is to return to its normal cycle.
    void normalPollingRequested();

protected:
    void loaded() override { windowModeClicked_ = false; }

private:
    void modeIndicationClicked(bool ticked);

    std::function<AnalyserKind()> analyserKind_;
    RadioGroup *windowGroup_;   // RadioGroup6
    QCheckBox *modeIndication_; // CheckBox6
    bool windowModeClicked_ = false;
};
