#pragma once

#include "analyser_kind.h"
#include "mode_indication.h"

#include <QString>

// What the link shows and asks of the main window while it searches and polls. The main
// window implements it over its controls; tests record the calls.
class LinkView {
public:
    virtual ~LinkView() = default;

    // A connection starts: the indication runs again, the refresh timer of the current
    // view is enabled and the demonstration stops.
    virtual void linkStarting() = 0;
    // The "Пуск/стоп" button.
    virtual void setIndicationToggleEnabled(bool enabled) = 0;
    // Both search progress bars (main window and options dialog).
    virtual void setSearchProgress(int percent) = 0;
    virtual void setSearchProgressVisible(bool visible) = 0;
    // The status field on the options dialog's port page.
    virtual void setPortStatus(const QString &text) = 0;
    // Shows the options dialog on its port page.
    virtual void showPortPage() = 0;
    virtual void setPumpIndicator(const Indicator &indicator) = 0;
    virtual void setFuelIndicator(const Indicator &indicator) = 0;
    // Which of the analyser's settings menus is open, every receive tick (the tachometer
    // dialog follows it).
    virtual void showSettingsMenu(int menu) = 0;
    // The analyser has been identified by a search started at start-up or by "Связь", and
    // polling has started (a reconnect after a loss calls linkRestored instead).
    virtual void analyserFound(AnalyserKind kind) = 0;
    // The analyser no longer answers its type request: the program closes.
    virtual void analyserLost() = 0;
    // Polling has lost the analyser (no answer, port closed) and the link now looks for it
    // by itself: the readings are no longer current. Called once per loss, with a notice
    // for the user that must not block the program.
    virtual void linkLost(const QString &notice) = 0;
    // The analyser has been found again after a loss (by the link's own search or by
    // "Связь").
    virtual void linkRestored() = 0;
};
