#pragma once

#include "shutdown.h"

#include <QObject>

#include <functional>

class QPushButton;
class SideDocumentRouter;
struct RunState;
struct Services;

// Closing the main window: the questions about unsaved work (a document the user wants saved
// first keeps the window open, shown in its view with its "Сохранить" pressed), polling
// stopped, the work saved as recovered files when the program is ended from outside, then
// the exit save. Ending from outside closes an open question or dialog as if cancelled and
// asks nothing.
class CloseController : public QObject {
    Q_OBJECT

public:
    // What closing does in the other parts of the program.
    struct Steps {
        SideDocumentRouter *documents = nullptr;
        QPushButton *saveButton = nullptr;      // the side panel's "Сохранить"
        std::function<void(int view)> showView; // shows the view of a document
        std::function<void()> stopPolling;
        std::function<void()> saveNorms;
        std::function<void()> saveCalibrationGas;
        // Run last: the graph's journal, kept when the graph could not be saved and the
        // program was ended from outside.
        std::function<void(bool keepUnsavedJournal)> closeGraphJournal;
    };

    CloseController(RunState &state, const Services &services, QObject *parent = nullptr);

    void setSteps(Steps steps) { steps_ = std::move(steps); }

    // The window is asked to close; true when it closes, after the exit save has run.
    // `window` is what the exit save records of it.
    bool closeRequested(const Shutdown::WindowState &window);
    // The program is ended from outside (a termination signal, a logout).
    void terminate();
    // Start-up has finished: from now on closing is safe, and an end from outside during
    // start-up closes the window once the event loop runs.
    void startUpFinished();

    bool terminating() const { return terminating_; }

signals:
    // The window is to close (queued, after any dialog's own loop has ended).
    void closeWanted();

private:
    // Asks about unsaved work; false when the window is to stay open.
    bool allowClose();
    void requestClose();

    RunState &state_;
    const Services &services_;
    Steps steps_;
    bool closing_ = false;
    bool terminating_ = false;
    bool built_ = false;
};
