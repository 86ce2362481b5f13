#pragma once

#include "side_document.h"

#include <QRect>
#include <QString>

#include <functional>

struct AppSettings;
struct ChangeFlags;
class SettingsStore;
class UserPrompts;
class WorkingFolder;

// What happens when the main window is asked to close: the questions about unsaved work,
// then the save of the settings and, under their change flags, the other data files.
namespace Shutdown {

enum class CloseOutcome {
    Close,      // nothing unsaved, or the user chose not to save: the exit save runs
    SaveGraph,  // the user wants the graph saved first: the window stays open
    SaveReport, // the user wants the report saved first: the window stays open
    Stay,       // the user cancelled
};

// The question about an unsaved graph (side_document.h).
using ::kGraphUnsavedQuestion;

// Asks about an unsaved graph, then an unsaved report.
CloseOutcome askToClose(bool graphUnsaved, bool reportUnsaved, UserPrompts &prompts);

// The main window as the exit save records it (outer frame, in screen pixels).
struct WindowState {
    bool maximised = false;
    QRect frame;
};

// A sizeable window (WindowMode 1) is remembered: maximised gives WindowRestored 0,
// otherwise WindowRestored 1 and its outer frame. In the other modes nothing changes.
void rememberWindow(SettingsStore &settings, const WindowState &window);

// Writers of the data files that belong to other parts of the program; an empty one is
// skipped.
struct OtherFiles {
    std::function<void()> saveNorms;
    std::function<void()> saveCalibrationGas;
    // Run last, whatever the flags: the graph's journal is removed or kept.
    std::function<void()> closeGraphJournal;
};

// Records the window geometry (sizeable window only, unless the settings are being reset
// to their defaults), writes the settings file, then the norms, station line and
// calibration gas files under their flags, then closes the graph's journal.
void exitSave(SettingsStore &settings, const ChangeFlags &flags, const WindowState &window,
              const WorkingFolder &folder, const QString &stationName, const OtherFiles &other,
              UserPrompts &prompts);

} // namespace Shutdown
