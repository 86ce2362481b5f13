#pragma once

#include "emulator_process.h"
#include "scripted_file_dialogs.h"
#include "scripted_prompts.h"

#include <QTemporaryDir>

#include <memory>

class TForm1;

// The program at its station: the real main window in a working folder of its own, its
// port COM1 a symbolic link to the pseudo-terminal of the analyser emulator, the dialogs and
// questions answered by script.
class Station {
public:
    Station();
    ~Station();
    Station(const Station &) = delete;
    Station &operator=(const Station &) = delete;

    // False when the emulator or the window could not be set up.
    bool start();

    TForm1 &window() { return *window_; }
    EmulatorProcess &emulator() { return *emulator_; }
    ScriptedPrompts &prompts() { return prompts_; }
    ScriptedFileDialogs &dialogs() { return dialogs_; }
    QString folderPath(const QString &name) const { return folder_.filePath(name); }

    // Polling, with current readings.
    bool live() const;
    bool waitLive(int timeoutMs);
    // Kills the emulator; restartEmulator() puts a new one behind COM1.
    void killEmulator();
    bool restartEmulator();
    // A toolbar button, as the user clicks it.
    void click(const char *buttonName);
    // "Запись" when the recording has stopped.
    void keepRecording();

private:
    bool startEmulator();

    QTemporaryDir folder_;
    QString com1_;
    std::unique_ptr<EmulatorProcess> emulator_;
    ScriptedPrompts prompts_;
    ScriptedFileDialogs dialogs_;
    std::unique_ptr<TForm1> window_;
};
