#include "poll_cycle.h"

#include "address_map.h"
#include "analyser_flags.h"
#include "serial_channel.h"
#include "tvelantar.h"

using namespace AnalyserRequests;

namespace {

constexpr quint8 ClockHold = 0x40;
constexpr quint8 ClockRelease = 0xC0;

// Words read by the settings-menu, after-zero and calibration gas cycles, in step order.
constexpr std::array<int, 5> SettingsMenuWords = {
    TVelantar::PressureAddress, TVelantar::TachoSensitivityAddress, TVelantar::CylindersAddress,
    TVelantar::ModeFlagsAddress, TVelantar::MenuFlagsAddress};
constexpr std::array<int, 4> ChannelStatusWords = TVelantar::ChannelStatusAddresses;
// Cylinder by cylinder: CO, CH and CO2 of gas 1, then of gas 2, then of gas 3.
constexpr std::array<int, TVelantar::CalibrationGasCount> calibrationGasWords() {
    std::array<int, TVelantar::CalibrationGasCount> words{};
    for (int cylinder = 0; cylinder < CalibrationGasKit::kCylinderCount; ++cylinder)
        for (int gas = 0; gas < GasCylinder::kGasCount; ++gas)
            words[CalibrationGasKit::valueIndex(cylinder, gas)] =
                TVelantar::calibrationGasAddress(cylinder, gas);
    return words;
}
constexpr std::array<int, TVelantar::CalibrationGasCount> CalibrationGasWords =
    calibrationGasWords();
static_assert(CalibrationGasWords[1] == 1613 && CalibrationGasWords[8] == 1681);

} // namespace

const std::array<int, PollCycle::ClockByteCount> PollCycle::ClockEntries = {
    AddressMap::ClockYear,  AddressMap::ClockCentury, AddressMap::ClockMonth,  AddressMap::ClockDay,
    AddressMap::ClockHours, AddressMap::ClockMinutes, AddressMap::ClockSeconds};

PollCycle::PollCycle(TVelantar &analyser, SerialChannel &serial)
    : analyser_(analyser), serial_(serial) {}

void PollCycle::reset() {
    PollStep = 0;
    ClockMode = ClockRunning;
    PendingCommand.waiting = false;
}

int PollCycle::entry(int index) const {
    return analyser_.addressMap()[index];
}

bool PollCycle::tick(const Conditions &conditions) {
    ++PollStep;
    if (const auto request = buildStep(conditions))
        lastRequest_ = *request;
    serial_.SendCommand(lastRequest_.header, lastRequest_.address, lastRequest_.data);
    return AnalyserRequests::expectsAnswer(lastRequest_.header);
}

std::optional<AnalyserRequest> PollCycle::endOfCycle() {
    analyser_.Decode();
    ++decodePasses_;
    PollStep = 0;
    return std::nullopt;
}

std::optional<AnalyserRequest> PollCycle::buildStep(const Conditions &conditions) {
    const int step = PollStep;
    switch (PollMode) {
    case SettingsMenu:
        if (step >= 1 && step <= int(SettingsMenuWords.size()))
            return wordRead(SettingsMenuWords[step - 1]);
        return endOfCycle();
    case AfterZero:
        if (step >= 1 && step <= int(ChannelStatusWords.size())) {
            if (step == int(ChannelStatusWords.size()))
                PollMode = Normal; // the cycle goes on in the normal mode at step 5
            return wordRead(ChannelStatusWords[step - 1]);
        }
        return endOfCycle();
    case CalibrationGas:
        if (step >= 1 && step <= int(CalibrationGasWords.size())) {
            if (step == int(CalibrationGasWords.size())) {
                PollMode = Normal;
                PollStep = 0;
            }
            return wordRead(CalibrationGasWords[step - 1]);
        }
        return endOfCycle();
    default:
        return normalStep(conditions);
    }
}

std::optional<AnalyserRequest> PollCycle::takePendingCommand() {
    if (!PendingCommand.waiting)
        return std::nullopt;
    PendingCommand.waiting = false;
    return AnalyserRequest{quint8(PendingCommand.header + highBits(PendingCommand.address)),
                           lowByte(PendingCommand.address), PendingCommand.data};
}

AnalyserRequest PollCycle::clockByte(int address, quint8 data) const {
    // A write while a clock write is pending, a byte read otherwise.
    return {quint8((ClockMode | 0x10) + highBits(address)), lowByte(address), data};
}

std::optional<AnalyserRequest> PollCycle::normalStep(const Conditions &conditions) {
    const bool correctedCo =
        conditions.modeIndication && (analyser_.decoded().modeFlags & ModeFlag::CorrectedCo);
    const bool oilTemperature =
        conditions.modeIndication && (analyser_.decoded().modeFlags & ModeFlag::OilTemperature);
    const int step = PollStep;
    switch (step) {
    case 1:
        return wordRead(correctedCo ? TVelantar::CorrectedCoAddress : entry(AddressMap::CoWord));
    case 2:
        if (auto pending = takePendingCommand())
            return pending;
        return wordRead(entry(AddressMap::RpmWord));
    case 3:
        PollStep = conditions.printerAndTable ? 4 : 16;
        return wordRead(entry(AddressMap::ChWord));
    case 4:
        return wordRead(entry(AddressMap::PolledWord11));
    case 5:
        return headerReadStep();
    case 6:
        if (ClockMode == ClockWritePending)
            return byteWrite(entry(AddressMap::ClockControl), ClockHold);
        return wordRead(entry(AddressMap::PolledWord7));
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13: {
        const int address = entry(ClockEntries[step - 7]);
        // A write sends the new byte kept at the command; a read only names the address.
        const quint8 data =
            ClockMode == ClockWritePending ? clockBytes_[step - 7] : analyser_.mainImage()[address];
        return clockByte(address, data);
    }
    case 14: {
        const AnalyserRequest request = clockByte(entry(AddressMap::ClockControl), ClockRelease);
        ClockMode = ClockRunning;
        return request;
    }
    case 15:
        return std::nullopt;
    case 16:
        if (analyser_.stateFlags() & TVelantar::HeaderWriteRunning)
            return headerWriteStep();
        return wordRead(entry(AddressMap::PolledWord10));
    case 17: {
        PollStep = 20;
        const int co2 = entry(AddressMap::Co2Word);
        return wordRead(co2 == AddressMap::Missing ? entry(AddressMap::PolledWord10) : co2);
    }
    case 21: {
        PollStep = 23;
        const int o2 = entry(AddressMap::O2Word);
        return wordRead(o2 == AddressMap::Missing ? entry(AddressMap::PolledWord10) : o2);
    }
    case 24:
        PollStep = 25;
        return wordRead(oilTemperature ? TVelantar::OilTemperatureAddress
                                       : entry(AddressMap::LambdaWord));
    case 25:
        return takePendingCommand();
    case 26:
        return wordRead(TVelantar::ModeFlagsAddress);
    case 27:
        return wordRead(TVelantar::MenuFlagsAddress);
    case 28:
        return wordRead(TVelantar::PumpFlagsAddress);
    default:
        if (step >= 29)
            return endOfCycle();
        return std::nullopt; // steps the cycle jumps over
    }
}

void PollCycle::queueCommand(const ::PendingCommand &command) {
    PendingCommand = command;
    PendingCommand.waiting = true;
}

void PollCycle::startClockWrite() {
    for (int i = 0; i < ClockByteCount; ++i)
        clockBytes_[i] = analyser_.mainImage()[entry(ClockEntries[i])];
    ClockMode = ClockWritePending;
    PollStep = 5;
}

void PollCycle::startHeaderRead() {
    headerReadCount = 0;
    analyser_.setHeaderReadRunning(true);
    headerReadRequested_ = true;
}

void PollCycle::enterSettingsMenuCycle() {
    PollMode = SettingsMenu;
    PollStep = 0;
}

void PollCycle::resumeNormalCycle() {
    PollMode = Normal;
}

void PollCycle::startAfterZeroCycle() {
    PollMode = AfterZero;
}

void PollCycle::startCalibrationGasCycle() {
    // From the cycle's first word, wherever the normal cycle stood: a start in the middle
    // would leave the first cylinders' words unread.
    PollMode = CalibrationGas;
    PollStep = 0;
}

void PollCycle::startHeaderWrite(const std::array<quint8, HeaderSize> &header) {
    headerBuffer = header;
    headerWriteCount = 0;
    analyser_.setHeaderWriteRunning(true);
}

std::optional<AnalyserRequest> PollCycle::headerReadStep() {
    if (!headerReadRequested_)
        return std::nullopt;
    if (!(analyser_.stateFlags() & TVelantar::HeaderReadRunning))
        return wordRead(entry(AddressMap::PolledWord8));
    if (headerReadCount < HeaderSize) {
        const AnalyserRequest request{HeaderReadCode, quint8(headerReadCount), 0};
        if (observer_)
            observer_->headerTransferProgress(headerReadCount * 100 / HeaderSize);
        ++headerReadCount;
        PollStep = 4;
        return request;
    }
    analyser_.setHeaderReadRunning(false);
    headerReadRequested_ = false;
    if (observer_)
        observer_->headerReadComplete();
    return std::nullopt;
}

std::optional<AnalyserRequest> PollCycle::headerWriteStep() {
    if (headerWriteCount < 2 * HeaderSize) {
        const AnalyserRequest request{HeaderWriteCode, quint8(headerWriteCount),
                                      headerBuffer[headerWriteCount % HeaderSize]};
        ++headerWriteCount;
        if (observer_)
            observer_->headerTransferProgress(headerWriteCount * 100 / (2 * HeaderSize));
        PollStep = 15;
        return request;
    }
    analyser_.setHeaderWriteRunning(false);
    if (observer_)
        observer_->headerWriteComplete();
    return std::nullopt;
}
