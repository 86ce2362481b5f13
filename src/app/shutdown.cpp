#include "shutdown.h"

#include "app_settings.h"
#include "settings_file.h"
#include "settings_store.h"
#include "station_file.h"
#include "user_prompts.h"
#include "working_folder.h"

namespace Shutdown {

namespace {

constexpr int SizeableWindow = 1;

} // namespace

CloseOutcome askToClose(bool graphUnsaved, bool reportUnsaved, UserPrompts &prompts) {
    // Each unsaved piece of work in turn: Yes saves it first, No goes on, Cancel stays.
    const struct {
        bool unsaved;
        const char16_t *question;
        CloseOutcome onYes;
    } questions[] = {
        {graphUnsaved, kGraphUnsavedQuestion, CloseOutcome::SaveGraph},
        {reportUnsaved, kReportUnsavedQuestion, CloseOutcome::SaveReport},
    };
    for (const auto &q : questions) {
        if (!q.unsaved)
            continue;
        switch (prompts.askYesNoCancel(QString::fromUtf16(q.question))) {
        case UserPrompts::Answer::Yes:
            return q.onYes;
        case UserPrompts::Answer::No:
            break;
        default:
            return CloseOutcome::Stay;
        }
    }
    return CloseOutcome::Close;
}

void rememberWindow(SettingsStore &settings, const WindowState &window) {
    if (settings.get().WindowMode != SizeableWindow)
        return;
    if (window.maximised)
        settings.set(&AppSettings::WindowRestored, 0);
    else
        settings.setRestoredFrame(window.frame);
}

void exitSave(SettingsStore &settings, const ChangeFlags &flags, const WindowState &window,
              const WorkingFolder &folder, const QString &stationName, const OtherFiles &other,
              UserPrompts &prompts) {
    if (!flags.ResetSettings)
        rememberWindow(settings, window);
    SettingsFile::saveAtExit(folder.filePath(DataFileNames::Settings), settings, flags, prompts);
    if (flags.NormsModified && other.saveNorms)
        other.saveNorms();
    if (flags.StationChanged)
        StationFile::write(folder.filePath(DataFileNames::Station), stationName);
    if (flags.CalibrationGasChanged && other.saveCalibrationGas)
        other.saveCalibrationGas();
    if (other.closeGraphJournal)
        other.closeGraphJournal();
}

} // namespace Shutdown
