#pragma once

#include "options_page.h"

class QPlainTextEdit;
class QSpinBox;

// "График": the time points on screen, the shift when the screen is full, the points of a
// whole recording, one-point scrolling, the sampling interval, and Memo9 telling how large
// the graph file of a whole recording grows and how long it takes to fill.
class GraphPage : public OptionsPage {
    Q_OBJECT

public:
    GraphPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);

    // Memo9 from SpinEdit6 and SpinEdit3.
    void updateFileText();

protected:
    void loaded() override;
    void fieldApplied(int field) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSpinBox *shiftPercent_;   // SpinEdit5
    QSpinBox *totalPoints_;    // SpinEdit6
    QSpinBox *interval_;       // SpinEdit3
    QPlainTextEdit *fileText_; // Memo9
};
