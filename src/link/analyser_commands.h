#pragma once

#include "poll_cycle.h"

#include <QStringList>

#include <array>
#include <functional>

class SettingsStore;
struct AppSettings;
struct CurrentReadings;
class Clock;
class SerialChannel;
class TVelantar;
class UserPrompts;

// The user's commands to the analyser: set its clock, read and write its printer header,
// switch its pump. None of them waits for the analyser: each sets up what the poll cycle
// then sends tick by tick, and at most sends the header service frames at once.
class AnalyserCommands {
public:
    static constexpr quint8 HeaderServiceByte = 10;
    static constexpr int HeaderLineLength = 21;

    AnalyserCommands(TVelantar &analyser, SerialChannel &serial, PollCycle &cycle,
                     SettingsStore &settings, const CurrentReadings &readings, UserPrompts &prompts,
                     const Clock &clock);

    // Switches to the table view before the clock and header commands.
    std::function<void()> showTableView;
    // The header transfer has started: the main progress bar at 0 and shown.
    std::function<void()> transferStarted;

    // Whether the analyser has a built-in printer: asks while the settings say it has none,
    // and a "Yes" records it. "No" and "Cancel" leave it without one.
    bool askAboutPrinter();
    // Writes the computer's date and time into the analyser's clock.
    void setClock();
    // The header commands need the printer: without one confirmed they send nothing and
    // start no transfer, since the cycle moves header bytes only with a printer.
    // Reads the 64 header bytes; the text is rebuilt when the cycle has asked for all.
    void readHeader();
    // Writes the given header lines, twice, with their checksum.
    void writeHeader(const QStringList &lines);
    // Switches the pump: the first press sends the first form, the next the second.
    void togglePump();

    bool pumpToggle() const { return pumpToggle_; }

    // The 64 bytes the analyser keeps for a header: each line (at most 21 characters)
    // followed by a zero byte, padded with spaces, always ending with a zero byte.
    static std::array<quint8, PollCycle::HeaderSize> headerBytes(const QStringList &lines);
    // The header lines as the analyser holds them in its second memory space.
    static QStringList headerLinesFromImage(const TVelantar &analyser);

private:
    void sendHeaderService();

    TVelantar &analyser_;
    SerialChannel &serial_;
    PollCycle &cycle_;
    SettingsStore &store_;
    const AppSettings &settings_;
    const CurrentReadings &readings_;
    UserPrompts &prompts_;
    const Clock &clock_;
    bool pumpToggle_ = false;
};
