#include "close_controller.h"

#include "clock.h"
#include "message_box_prompts.h"
#include "run_state.h"
#include "services.h"
#include "side_document.h"
#include "side_document_router.h"
#include "view_ids.h"
#include "work_recovery.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

CloseController::CloseController(RunState &state, const Services &services, QObject *parent)
    : QObject(parent), state_(state), services_(services) {}

bool CloseController::closeRequested(const Shutdown::WindowState &window) {
    if (closing_)
        return true;
    if (!terminating_ && !allowClose())
        return false;
    closing_ = true;
    // Polling stops first: nothing goes on behind a message the exit save may show.
    if (steps_.stopPolling)
        steps_.stopPolling();
    // Ended from outside, no question was asked: unsaved work goes into recovered files.
    if (terminating_)
        WorkRecovery::saveUnsavedWork(steps_.documents->graph(), steps_.documents->report(),
                                      *services_.folder, services_.clock->now());
    Shutdown::OtherFiles otherFiles;
    otherFiles.saveNorms = steps_.saveNorms;
    otherFiles.saveCalibrationGas = steps_.saveCalibrationGas;
    if (steps_.closeGraphJournal)
        otherFiles.closeGraphJournal = [this] { steps_.closeGraphJournal(!terminating_); };
    Shutdown::exitSave(state_.Store, state_.Flags, window, *services_.folder,
                       state_.Vehicle.StationName, otherFiles, *services_.prompts);
    return true;
}

bool CloseController::allowClose() {
    const SideDocument *graph = steps_.documents->graph();
    const SideDocument *report = steps_.documents->report();
    const auto saveFirst = [this](int view) {
        // As the user would: the view that shows the document, then its "Сохранить".
        steps_.showView(view);
        steps_.saveButton->click();
    };
    switch (Shutdown::askToClose(graph && graph->unsaved(), report && report->unsaved(),
                                 *services_.prompts)) {
    case Shutdown::CloseOutcome::SaveGraph:
        saveFirst(ViewId::Graph);
        return false;
    case Shutdown::CloseOutcome::SaveReport:
        saveFirst(ViewId::Report);
        return false;
    case Shutdown::CloseOutcome::Stay:
        return false;
    case Shutdown::CloseOutcome::Close:
        break;
    }
    return true;
}

void CloseController::terminate() {
    terminating_ = true;
    // A question or dialog open now returns as if cancelled; the close then runs from the
    // event loop, after the dialog's own loop has ended.
    if (auto *boxes = dynamic_cast<MessageBoxPrompts *>(services_.prompts))
        boxes->abandon();
    while (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
        dialog->reject();
        if (QApplication::activeModalWidget() == dialog)
            break;
    }
    if (built_)
        requestClose();
}

void CloseController::startUpFinished() {
    built_ = true;
    // Ended from outside during start-up: the question open then was closed as if
    // cancelled; the window closes once the event loop runs.
    if (terminating_)
        requestClose();
}

void CloseController::requestClose() {
    QMetaObject::invokeMethod(this, &CloseController::closeWanted, Qt::QueuedConnection);
}
