#include "view_switcher.h"

#include "layout_applier.h"
#include "main_toolbar.h"
#include "run_state.h"
#include "view_ids.h"
#include "view_panels.h"
#include "view_table.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

ViewSwitcher::ViewSwitcher(RunState &state, const ViewPanels &panels, MainToolbar &toolbar,
                           LayoutApplier &layout, QTimer &timerTab, QTimer &timerDia,
                           QObject *parent)
    : QObject(parent), state_(state), panels_(panels), toolbar_(toolbar), layout_(layout),
      timerTab_(timerTab), timerDia_(timerDia) {}

void ViewSwitcher::select(int view) {
    state_.Store.set(&AppSettings::CurrentView, view);
    state_.ViewTimerMode = ViewTimerMode::of(view);
    showCurrent();
    if (view == ViewId::Information)
        panels_.infoMemo->setFocus();
    else if (view == ViewId::Graph)
        (panels_.graphPanel.record->isVisible() ? panels_.graphPanel.record
                                                : panels_.graphPanel.stop)
            ->setFocus();
}

void ViewSwitcher::showCurrent() {
    const int view = state_.Settings.CurrentView;
    toolbar_.showViewPressed(view);
    if (ViewId::isKnown(view)) {
        const QList<QWidget *> shown =
            ViewTable::controlsOf(view, panels_, state_.Settings.ReportKind);
        // These are hidden while the layout runs even when the view shows them.
        const QList<QWidget *> hiddenWhilePlaced = {panels_.sideButtons.speedRecordPanel,
                                                    panels_.sideButtons.gasRecordPanel,
                                                    panels_.readingsPanel};
        for (QWidget *control : ViewTable::allControls(panels_))
            if (!shown.contains(control) || hiddenWhilePlaced.contains(control))
                control->hide();
        layout_.apply(view);
        for (QWidget *control : shown)
            control->show();
    } else {
        layout_.apply(view);
    }
    emit viewShown(view);

    const TimerAction action = timerAction(state_.ViewTimerMode, state_.indicationRunning());
    if (action.tabEnabled)
        *action.tabEnabled ? timerTab_.start() : timerTab_.stop();
    if (action.diaEnabled)
        *action.diaEnabled ? timerDia_.start() : timerDia_.stop();
}

void ViewSwitcher::startViewRefresh() {
    if (state_.ViewTimerMode == ViewTimerMode::TextViews)
        timerTab_.start();
    else if (state_.ViewTimerMode == ViewTimerMode::Diagram)
        timerDia_.start();
}

ViewSwitcher::TimerAction ViewSwitcher::timerAction(int timerMode, bool indicationRunning) {
    // A stopped indication leaves the current view's timer to run its last refresh; the
    // switch then only stops the other view kind's timer.
    switch (timerMode) {
    case ViewTimerMode::TextViews:
        return indicationRunning ? TimerAction{true, {}} : TimerAction{{}, false};
    case ViewTimerMode::Diagram:
        return indicationRunning ? TimerAction{{}, true} : TimerAction{false, {}};
    default:
        return {false, false};
    }
}
