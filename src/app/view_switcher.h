#pragma once

#include <QObject>

#include <optional>

class LayoutApplier;
class MainToolbar;
class QTimer;
struct RunState;
struct ViewPanels;

// Switching between the six views: the pressed view button, the view's controls shown and
// every other view control hidden, the layout, and the view refresh timers. The text views
// (readings, information, table, report) refresh on TimerTab, the diagram on TimerDia, the
// graph on neither (it samples on its own timer).
class ViewSwitcher : public QObject {
    Q_OBJECT

public:
    ViewSwitcher(RunState &state, const ViewPanels &panels, MainToolbar &toolbar,
                 LayoutApplier &layout, QTimer &timerTab, QTimer &timerDia,
                 QObject *parent = nullptr);

    // A view button or menu item: the view becomes current and is shown, and the control the
    // user works with first takes the focus.
    void select(int view);
    // Shows the current view's controls, lays them out and sets the refresh timers. A view
    // number no view has (a damaged setting) hides and shows nothing and places only the
    // status line.
    void showCurrent();
    // Starts the refresh timer of the current view kind (the link or the demonstration has
    // started).
    void startViewRefresh();

    // What the switch does to the two refresh timers; no value leaves a timer as it is.
    struct TimerAction {
        std::optional<bool> tabEnabled;
        std::optional<bool> diaEnabled;
    };
    static TimerAction timerAction(int timerMode, bool indicationRunning);

signals:
    // The view's controls are shown and laid out.
    void viewShown(int view);

private:
    RunState &state_;
    const ViewPanels &panels_;
    MainToolbar &toolbar_;
    LayoutApplier &layout_;
    QTimer &timerTab_;
    QTimer &timerDia_;
};
