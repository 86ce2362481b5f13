#pragma once

#include "analyser_requests.h"

#include <QtGlobal>

#include <array>
#include <optional>

class SerialChannel;
class TVelantar;

// A command the user gave (the pump) that the cycle sends once, at the next chance.
struct PendingCommand {
    bool waiting = false;
    quint8 header = 0;
    quint16 address = 0;
    quint8 data = 0;
};

// What the cycle reports while it moves the printer header to or from the analyser.
class HeaderTransferObserver {
public:
    virtual ~HeaderTransferObserver() = default;
    virtual void headerTransferProgress(int percent) = 0;
    // All 64 header bytes have been asked for; the text can be rebuilt from AuxImage.
    virtual void headerReadComplete() = 0;
    virtual void headerWriteComplete() = 0;
};

// The send side of polling: one request per tick from a fixed sequence of steps. Each
// tick builds the next request into the analyser's command buffer (a step that builds
// nothing repeats the last one) and sends it; the last step of a cycle runs the decode
// pass. The cycle never waits for an answer: answers update the mirror by content.
class PollCycle {
public:
    enum Mode { Normal = 0, SettingsMenu = 1, AfterZero = 2, CalibrationGas = 3 };
    static constexpr quint8 ClockRunning = 0x80;
    static constexpr quint8 ClockWritePending = 0x00;
    static constexpr int HeaderSize = 64;

    // What the settings and the screen tell the cycle.
    struct Conditions {
        bool modeIndication = true;   // the analyser reports its operating modes
        bool printerAndTable = false; // a built-in printer and the table view shown
    };

    PollCycle(TVelantar &analyser, SerialChannel &serial);

    void setHeaderObserver(HeaderTransferObserver *observer) { observer_ = observer; }

    // Back to the start of a cycle: step 0, clock running, no pending command.
    void reset();

    // One send tick: advance the step, build the request, send it. True when the frame sent
    // asks the analyser for an answer (a read).
    bool tick(const Conditions &conditions);

    // Builds the request of the current step (PollStep already advanced) and applies the
    // step's jumps and side effects; no value when the step builds nothing.
    std::optional<AnalyserRequest> buildStep(const Conditions &conditions);

    // The user's commands act on the cycle through these; none of them sends anything.

    // Queues a command (the pump) that the cycle sends once, at step 2 or 25.
    void queueCommand(const ::PendingCommand &command);
    // Starts writing the clock bytes now held in the mirror (the new date and time): the
    // next tick is step 6. The bytes are kept apart from the mirror until they are sent, so
    // an old clock byte still arriving from the analyser cannot take their place.
    void startClockWrite();
    // Starts reading the 64 header bytes at step 5 (runs with a printer and the table view).
    void startHeaderRead();
    // Starts writing the given 64 header bytes, twice, at step 16.
    void startHeaderWrite(const std::array<quint8, HeaderSize> &header);
    // The analyser opened one of its settings menus: the short cycle reading the menu's
    // values starts from its first request.
    void enterSettingsMenuCycle();
    // Back to the normal cycle (menu closed, mode indication switched off); the step goes on.
    void resumeNormalCycle();
    // The zero setting has ended: the channel states are read again.
    void startAfterZeroCycle();
    // Reads the analyser's calibration gas values once, all nine from the first request.
    void startCalibrationGasCycle();
    // "Связь": back to the start of a cycle; a header read asked for stays asked for.
    void resetForConnection() { reset(); }

    qint32 step() const { return PollStep; }
    qint32 mode() const { return PollMode; }
    quint8 clockMode() const { return ClockMode; }
    const ::PendingCommand &pendingCommand() const { return PendingCommand; }
    bool headerReadRequested() const { return headerReadRequested_; }
    // How many decode passes the cycle has run: a new one means every value was asked for
    // again since the one before.
    quint32 decodePasses() const { return decodePasses_; }
    // For tests that start the cycle at a given step or in a given mode.
    void setStep(qint32 step) { PollStep = step; }

private:
    std::optional<AnalyserRequest> normalStep(const Conditions &conditions);
    std::optional<AnalyserRequest> wordStep(std::initializer_list<int> addresses);
    std::optional<AnalyserRequest> endOfCycle();
    std::optional<AnalyserRequest> takePendingCommand();
    std::optional<AnalyserRequest> headerReadStep();
    std::optional<AnalyserRequest> headerWriteStep();
    AnalyserRequest clockByte(int address, quint8 data) const;
    int entry(int index) const;

    // Clock bytes in the order the analyser takes them, steps 7 to 13.
    static constexpr int ClockByteCount = 7;
    static const std::array<int, ClockByteCount> ClockEntries;

    qint32 PollStep = 0;
    qint32 PollMode = Normal;
    quint8 ClockMode = ClockRunning;
    ::PendingCommand PendingCommand;
    // The request sent last; a step that builds nothing sends it again.
    AnalyserRequest lastRequest_{};
    bool headerReadRequested_ = false;
    qint32 headerReadCount = 0;
    qint32 headerWriteCount = 0;
    std::array<quint8, HeaderSize> headerBuffer{};
    std::array<quint8, ClockByteCount> clockBytes_{};
    quint32 decodePasses_ = 0;

    TVelantar &analyser_;
    SerialChannel &serial_;
    HeaderTransferObserver *observer_ = nullptr;
};
