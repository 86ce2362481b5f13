#pragma once

#include "link_view.h"

#include <functional>

class QToolButton;
class StatusLine;
class TPagesDlg;

// The link's view over the main window: the status line, the "Пуск/стоп" button and the
// options dialog's port page. What the main window itself must do (timers, the graph
// start, closing) comes through the callbacks.
class MainWindowLinkView : public LinkView {
public:
    MainWindowLinkView(StatusLine &statusLine, TPagesDlg &options, QToolButton *startStop);

    std::function<void()> onLinkStarting;
    std::function<void(AnalyserKind)> onAnalyserFound;
    std::function<void()> onAnalyserLost;
    std::function<void(int)> onSettingsMenu;

    void linkStarting() override;
    void setLinkStatus(const QString &text) override;
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

private:
    StatusLine &statusLine_;
    TPagesDlg &options_;
    QToolButton *startStop_;
};
