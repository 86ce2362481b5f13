#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Starts the analyser emulator for a test and talks to its console.
// The executable comes from VELANTAR_EMU (set by CTest), otherwise from
// <directory of the test binary>/../analyser-emu.
class EmulatorProcess {
public:
    explicit EmulatorProcess(const QStringList &arguments = {});
    ~EmulatorProcess();
    EmulatorProcess(const EmulatorProcess &) = delete;
    EmulatorProcess &operator=(const EmulatorProcess &) = delete;

    // True once the first line (the device path) was read.
    bool start(int timeoutMs = 5000);
    QString devicePath() const { return devicePath_; }

    // Writes one console line.
    void command(const QString &line);
    // Writes one console line and returns the next line that is not a trace line
    // (empty when none came in time).
    QString query(const QString &line, int timeoutMs = 3000);
    // The "rx ..." trace lines seen so far; the list is cleared.
    QStringList takeTrace();
    // Processes the emulator's output for up to ms milliseconds.
    void pump(int ms);
    void stop();
    // Ends the emulator at once, as a crash or a pulled plug would: its pseudo-terminal
    // goes with it.
    void kill();

    static QString executable();

private:
    bool readLines(int timeoutMs); // false when nothing more could be read
    void sortLine(const QString &line);

    QStringList arguments_;
    QProcess process_;
    QString devicePath_;
    QByteArray partial_;
    QStringList replies_;
    QStringList trace_;
};
