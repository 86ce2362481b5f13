#pragma once

#include "address_map.h"
#include "analyser_kind.h"
#include "calibration_gas_kit.h"
#include "frame_assembler.h"
#include "port_refusals.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <span>

class AnalyserStatusSink;
class SerialChannel;
class UserPrompts;

// The analyser as the program knows it: a mirror of its two memory spaces that every
// answer frame writes into, the parsers that take frames off the line, the decode pass
// that turns the mirror into readings, and the one-step detection that finds the
// analyser on the ports. Answers are never matched to requests: each simply updates the
// mirror, and the decode pass reads whatever the mirror holds.
class TVelantar {
    // Tests set up the mirror and the flags a case starts from (tests/support).
    friend struct TVelantarProbe;

public:
    static constexpr int ImageSize = 4096;
    // Frames carry 11-bit addresses, so only the first 2048 bytes are ever written.
    static constexpr int AddressableSize = 2048;
    static constexpr int BaudRate = 9600;

    // Bits of StateFlags.
    static constexpr quint16 TypeRequestOutstanding = 0x8000;
    static constexpr quint16 HeaderWriteRunning = 0x4000;
    static constexpr quint16 HeaderReadRunning = 0x2000;

    // Fixed main-space addresses, the same for both kinds.
    static constexpr int PumpFlagsAddress = 54;
    static constexpr int CorrectedCoAddress = 305;
    static constexpr int PressureAddress = 327;
    static constexpr int CylindersAddress = 451;
    static constexpr int TachoSensitivityAddress = 470;
    static constexpr int ModeFlagsAddress = 882;
    static constexpr int OilTemperatureAddress = 947;
    static constexpr int MenuFlagsAddress = 1353;
    static constexpr std::array<int, 4> ChannelStatusAddresses = {1581, 1645, 1709, 1773};
    // Calibration gas g (0 CO, 1 CH, 2 CO2) of cylinder s (0..2) is the word at
    // CalibrationGasBase + 64 g + 2 s; its value is CalibrationGasValues[valueIndex(s, g)].
    static constexpr int CalibrationGasBase = 1549;
    static constexpr int CalibrationGasCount = CalibrationGasKit::kValueCount;
    static constexpr int calibrationGasAddress(int cylinder, int gas) {
        return CalibrationGasBase + 64 * gas + 2 * cylinder;
    }

    // Type names as detection reports them.
    static const QString UnknownTypeName;
    static const QString TwoComponentTypeName;
    static const QString FourComponentTypeName;

    TVelantar();

    // Back to the state of a fresh link: no flags, not detected, no attempts, and the
    // words the two-component analyser lacks (and one spare polled word) cleared.
    void Reset();

    void setStatusSink(AnalyserStatusSink *sink) { statusSink_ = sink; }
    void setPrompts(UserPrompts *prompts) { prompts_ = prompts; }

    // Sends the type request and marks it outstanding; the frame assembler starts afresh.
    bool SendTypeRequest(SerialChannel &serial);

    // One detection step, called once a second while searching. Reads and parses what has
    // arrived; when nothing has, moves to the next port (or the fixed one) and asks it
    // for its type. True once the analyser has answered.
    bool Detect(SerialChannel &serial, int portCount, bool fixedMode, int fixedPort);

    // Takes the bytes of one read while polling into the mirror.
    void ParsePollingBytes(std::span<const quint8> bytes);
    // Takes the bytes of one read while detecting; true when a valid type answer was seen.
    bool ParseDetectionBytes(std::span<const quint8> bytes);

    // Turns the mirror into the decoded values.
    void Decode();

    void SelectAddressMap(AnalyserKind kind) { AddressMap.select(kind); }

    // Put a date or a time into the clock bytes of the mirror, for the clock write.
    void SetDate(quint16 year, quint16 month, quint16 day);
    void SetTime(quint16 hours, quint16 minutes, quint16 seconds);

    // The word whose low byte is at address: high byte at address - 1.
    quint16 mainWord(int address) const;

    // The values the last decode pass took from the mirror.
    struct Decoded {
        qint32 co = 0;
        qint32 ch = 0;
        qint32 co2 = 0;
        qint32 o2 = 0;
        qint32 lambda = 0;
        quint16 rpm = 0;
        QDate deviceDate;
        QTime deviceTime;
        quint8 modeFlags = 0;
        std::array<quint8, 4> channelStatus{};
        quint8 menuFlags = 0;
        quint8 tachoSensitivity = 0;
        quint8 pumpFlags = 0;
        quint8 cylinders = 0;
        qint32 coCorrected = 0;
        qint32 pressure = 0;
        qint32 oilTemperature = 0;
        std::array<qint32, CalibrationGasCount> CalibrationGasValues{};
    };
    const Decoded &decoded() const { return decoded_; }

    // What detection found: the kind and the name of the analyser that answered its type
    // request (Unknown and an empty name before any answer).
    AnalyserKind kind() const { return kind_; }
    const QString &typeName() const { return typeName_; }
    bool isDetected() const { return detected_; }
    // Detection steps since the last Reset.
    qint32 attempts() const { return attempts_; }
    // The ports detection could not open since the last Reset because the user may not.
    const PortRefusals &refusedPorts() const { return refusedPorts_; }
    quint16 stateFlags() const { return StateFlags; }
    const ::AddressMap &addressMap() const { return AddressMap; }
    // Memory mirror of the analyser's two address spaces.
    const std::array<quint8, ImageSize> &mainImage() const { return MainImage; }
    const std::array<quint8, ImageSize> &auxImage() const { return AuxImage; }

    // The poll cycle marks the printer header transfer it runs.
    void setHeaderReadRunning(bool running);
    void setHeaderWriteRunning(bool running);
    // A new search: a frame half taken off the line before is dropped.
    void discardPartialFrame() { FrameAssembler.count = 0; }

private:
    enum class FrameOutcome { Continue, DropBatch };

    FrameOutcome takePollingFrame();
    FrameOutcome takeDetectionFrame(bool &typeSeen);
    void storeWordAnswer();
    // Reports a polled type code; false for a code that is not a type.
    bool reportPolledType(quint8 code);
    void decodeClockTime();
    void setStateFlag(quint16 flag, bool on);

    std::array<quint8, ImageSize> MainImage{};
    std::array<quint8, ImageSize> AuxImage{};
    quint16 StateFlags = 0;
    bool detected_ = false;
    qint32 attempts_ = 0;
    PortRefusals refusedPorts_;
    AnalyserKind kind_ = AnalyserKind::Unknown;
    QString typeName_;
    Decoded decoded_;
    ::AddressMap AddressMap;
    ::FrameAssembler FrameAssembler;

    AnalyserStatusSink *statusSink_ = nullptr;
    UserPrompts *prompts_ = nullptr;
};
