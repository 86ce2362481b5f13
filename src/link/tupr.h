#pragma once

#include "settings_menu_display.h"

#include <QDialog>

#include <functional>

class SettingsStore;
struct AppSettings;
class PollCycle;
class QFrame;
class QLabel;
class QLineEdit;
class UserPrompts;

// "ИЗМЕНЕНИЕ": the non-modal dialog that follows the settings menu the analyser has open
// (atmospheric pressure, number of cylinders, tachometer sensitivity). It opens when the
// analyser reports a menu, shows the setting's name, its value and a reminder of the
// analyser's keys, switches the poll cycle to its settings-menu requests, and closes when the
// analyser leaves the menu. Esc offers to switch the mode indication off.
class TUpr : public QDialog {
    Q_OBJECT

public:
    TUpr(PollCycle &cycle, SettingsStore &settings, const CurrentReadings &readings,
         UserPrompts &prompts, QWidget *parent = nullptr);

    // Every receive tick while the mode indication is on: the open settings menu (0 none).
    // Also called with 0 when the link stops, so that no dialog outlives the analyser.
    void showSettingsMenu(int menu);

    // The mode indication has been switched off from the dialog: the main window clears its
    // pump and fuel fields and gives the readings titles their plain form.
    std::function<void(const SettingsMenuDisplay::IndicationOff &)> indicationSwitchedOff;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void openWith(const SettingsMenuDisplay::Opening &opening);
    QFrame *captionPanel(const QString &name, const QStringList &lines);

    PollCycle &cycle_;
    SettingsStore &store_;
    const AppSettings &settings_;
    const CurrentReadings &readings_;
    UserPrompts &prompts_;
    SettingsMenuDisplay display_;
    QLabel *label_;
    QLineEdit *value_;
    QFrame *keysPanel_;
    QFrame *cylindersPanel_;
};
