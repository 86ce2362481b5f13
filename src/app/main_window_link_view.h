#pragma once

#include "link_view.h"

#include <functional>

class QMessageBox;
class QToolButton;
class StatusLine;
class TPagesDlg;

// The link's view over the main window: the status line, the "Пуск/стоп" button and the
// options dialog's port page. What the main window itself must do (timers, the graph
// start, closing) comes through the callbacks.
//
// A lost link is told once per loss in a box that does not block the program (object name
// "LinkLossNotice"; it closes by itself when the analyser is found again) and in the link
// field's tool tip while the link stays lost.
class MainWindowLinkView : public LinkView {
public:
    MainWindowLinkView(StatusLine &statusLine, TPagesDlg &options, QToolButton *startStop);

    std::function<void()> onLinkStarting;
    std::function<void(AnalyserKind)> onAnalyserFound;
    std::function<void()> onAnalyserLost;
    std::function<void(int)> onSettingsMenu;
    // After the loss has been shown: the views can show their readings as not current now.
    std::function<void()> onLinkLost;

    void linkStarting() override;
    void setIndicationToggleEnabled(bool enabled) override;
    void setSearchProgress(int percent) override;
    void setSearchProgressVisible(bool visible) override;
    void setPortStatus(const QString &text) override;
    void showPortPage() override;
    void setPumpIndicator(const Indicator &indicator) override;
    void setFuelIndicator(const Indicator &indicator) override;
    void showSettingsMenu(int menu) override;
    void analyserFound(AnalyserKind kind) override;
    void analyserLost() override;
    void linkLost(const QString &notice) override;
    void linkRestored() override;

    // The notice box, once a loss has been shown; null before.
    QMessageBox *lossNotice() const { return lossNotice_; }

private:
    StatusLine &statusLine_;
    TPagesDlg &options_;
    QToolButton *startStop_;
    QMessageBox *lossNotice_ = nullptr;
};
