#include "tvelantar.h"

#include "analyser_requests.h"
#include "analyser_status_sink.h"
#include "serial_channel.h"
#include "status_texts.h"
#include "user_prompts.h"

#include <algorithm>
#include <vector>

const QString TVelantar::UnknownTypeName = QStringLiteral("Неизвестный");
const QString TVelantar::TwoComponentTypeName = QStringLiteral("Велантар ( 2-х комп.)");
const QString TVelantar::FourComponentTypeName = QStringLiteral("Велантар ( 4-х комп.)");

namespace {

// Header bits of answer frames.
constexpr quint8 AnswerBit = 0x80;   // set in every answer
constexpr quint8 AuxSpaceBit = 0x40; // set when the byte belongs to the second space

// Decimal value of a BCD byte; the nibbles are not checked.
int fromBcd(quint8 value) {
    return (value >> 4) * 10 + (value & 0x0F);
}
quint8 toBcd(int value) {
    return quint8((value / 10) * 16 + value % 10);
}

} // namespace

TVelantar::TVelantar() {
    Reset();
}

void TVelantar::Reset() {
    StateFlags = 0;
    detected_ = false;
    attempts_ = 0;
    refusedPorts_.clear();
    // These words read 0 until the analyser sends them; for a two-component analyser
    // they all point at address 1, which must then read 0 for CO2, O2 and lambda.
    for (const int entry : {AddressMap::LambdaWord, AddressMap::Co2Word, AddressMap::O2Word,
                            AddressMap::PolledWord9}) {
        const int address = AddressMap[entry];
        MainImage[address] = 0;
        if (address > 0)
            MainImage[address - 1] = 0;
    }
}

quint16 TVelantar::mainWord(int address) const {
    const int high = address > 0 ? MainImage[address - 1] : 0;
    return quint16(high * 256 + MainImage[address]);
}

bool TVelantar::SendTypeRequest(SerialChannel &serial) {
    const AnalyserRequest request = AnalyserRequests::typeRequest();
    const bool sent = serial.SendCommand(request.header, request.address, request.data);
    StateFlags |= TypeRequestOutstanding;
    FrameAssembler.count = 0;
    return sent;
}

bool TVelantar::Detect(SerialChannel &serial, int portCount, bool fixedMode, int fixedPort) {
    ++attempts_;
    if (detected_)
        return true;

    const int waiting = serial.BytesWaiting();
    if (waiting > 0) {
        std::vector<quint8> buffer(std::min(waiting, 0xFFFF));
        const int got = serial.Read(buffer.data(), quint16(buffer.size()));
        if (got <= 0) {
            if (prompts_)
                prompts_->message(QStringLiteral("Ошибка чтения данных"));
            return false;
        }
        return ParseDetectionBytes(std::span(buffer.data(), size_t(got)));
    }

    int nextPort = fixedPort;
    if (!fixedMode) {
        const int lastPort = serial.PortNumber();
        if (lastPort > portCount) {
            // The last port tried lies beyond the range now searched: no port is opened
            // until the search gives up.
            if (serial.IsOpen())
                serial.Close();
            return false;
        }
        nextPort = lastPort % portCount + 1;
    }
    if (serial.IsOpen())
        serial.Close();
    if (serial.Open(nextPort, BaudRate))
        SendTypeRequest(serial);
    else if (const QString refused = serial.RefusedDevice(); !refused.isEmpty())
        refusedPorts_.note(nextPort, refused);
    return false;
}

void TVelantar::storeWordAnswer() {
    const int address = FrameAssembler.address();
    MainImage[address] = FrameAssembler.bytes[2];
    if (address != 0)
        MainImage[address - 1] = FrameAssembler.bytes[3];
}

bool TVelantar::reportPolledType(quint8 code) {
    static const QString names[] = {UnknownTypeName, QStringLiteral("Велантар"),
                                    FourComponentTypeName};
    if (code > 2)
        return false;
    if (statusSink_)
        statusSink_->showAnalyserStatus(LinkStatus::AnalyserTypeLabel.toString() + names[code]);
    StateFlags &= ~TypeRequestOutstanding;
    return true;
}

TVelantar::FrameOutcome TVelantar::takePollingFrame() {
    const ::FrameAssembler &frame = FrameAssembler;
    const quint8 header = frame.header();
    if (frame.checksumValid()) {
        FrameAssembler.count = 0;
        if (!(header & AnswerBit))
            return FrameOutcome::Continue; // not an answer: consumed and ignored
        if (header & AuxSpaceBit) {
            AuxImage[frame.address()] = frame.data();
            if (frame.address() == AnalyserRequests::TypeCodeAddress &&
                !reportPolledType(frame.data()))
                return FrameOutcome::DropBatch;
        } else {
            MainImage[frame.address()] = frame.data();
        }
    } else if (frame.isWordHeader()) {
        storeWordAnswer();
        FrameAssembler.count = 0;
    } else {
        FrameAssembler.shiftByOne();
    }
    return FrameOutcome::Continue;
}

void TVelantar::ParsePollingBytes(std::span<const quint8> bytes) {
    for (const quint8 byte : bytes) {
        if (FrameAssembler.add(byte) && takePollingFrame() == FrameOutcome::DropBatch)
            return;
    }
}

TVelantar::FrameOutcome TVelantar::takeDetectionFrame(bool &typeSeen) {
    const ::FrameAssembler &frame = FrameAssembler;
    const quint8 header = frame.header();
    // Only a second-space answer is expected now; anything else is taken as misaligned.
    if (!frame.checksumValid() || !(header & AuxSpaceBit)) {
        FrameAssembler.shiftByOne();
        return FrameOutcome::Continue;
    }
    FrameAssembler.count = 0;
    if (!(header & AnswerBit))
        return FrameOutcome::Continue;

    const int address = (header & 0x01) * 256 + frame.bytes[1];
    const quint8 code = frame.data();
    AuxImage[address] = code;
    if (address != AnalyserRequests::TypeCodeAddress)
        return FrameOutcome::Continue;

    static const QString names[] = {UnknownTypeName, TwoComponentTypeName, FourComponentTypeName};
    static constexpr AnalyserKind kinds[] = {AnalyserKind::Unknown, AnalyserKind::TwoComponent,
                                             AnalyserKind::FourComponent};
    if (code > 2)
        return FrameOutcome::DropBatch;
    typeName_ = names[code];
    kind_ = kinds[code];
    StateFlags &= ~TypeRequestOutstanding;
    detected_ = true;
    typeSeen = true;
    return FrameOutcome::Continue;
}

bool TVelantar::ParseDetectionBytes(std::span<const quint8> bytes) {
    bool typeSeen = false;
    for (const quint8 byte : bytes) {
        if (FrameAssembler.add(byte) && takeDetectionFrame(typeSeen) == FrameOutcome::DropBatch)
            break;
    }
    return typeSeen;
}

void TVelantar::Decode() {
    decoded_.co = mainWord(AddressMap[AddressMap::CoWord]);
    decoded_.ch = mainWord(AddressMap[AddressMap::ChWord]);
    decoded_.co2 = mainWord(AddressMap[AddressMap::Co2Word]);
    decoded_.o2 = mainWord(AddressMap[AddressMap::O2Word]);
    decoded_.lambda = mainWord(AddressMap[AddressMap::LambdaWord]);
    decoded_.rpm = mainWord(AddressMap[AddressMap::RpmWord]);

    const auto clockByte = [this](int entry) { return MainImage[AddressMap[entry]]; };
    int year =
        clockByte(AddressMap::ClockCentury) * 100 + fromBcd(clockByte(AddressMap::ClockYear));
    if (year == 0)
        year = 2000;
    else if (year > 2100)
        year = 2100;
    int month = fromBcd(clockByte(AddressMap::ClockMonth));
    if (month == 0 || month > 12)
        month = 12;
    int day = fromBcd(clockByte(AddressMap::ClockDay));
    if (day == 0 || day > 31)
        day = 30;
    const QDate date(year, month, day);
    // A clock the clamps cannot make a date of (31 April, 29 February of a common year)
    // leaves the date and time as they were; every other value is decoded all the same.
    if (date.isValid()) {
        decoded_.deviceDate = date;
        decodeClockTime();
    }

    decoded_.modeFlags = MainImage[ModeFlagsAddress];
    for (size_t i = 0; i < decoded_.channelStatus.size(); ++i)
        decoded_.channelStatus[i] = MainImage[ChannelStatusAddresses[i]];
    decoded_.menuFlags = MainImage[MenuFlagsAddress];

    decoded_.coCorrected = mainWord(CorrectedCoAddress);
    decoded_.pressure = mainWord(PressureAddress);
    decoded_.oilTemperature = mainWord(OilTemperatureAddress);

    decoded_.tachoSensitivity = MainImage[TachoSensitivityAddress];
    decoded_.pumpFlags = MainImage[PumpFlagsAddress];
    decoded_.cylinders = MainImage[CylindersAddress];

    for (int cylinder = 0; cylinder < CalibrationGasKit::kCylinderCount; ++cylinder)
        for (int gas = 0; gas < GasCylinder::kGasCount; ++gas)
            decoded_.CalibrationGasValues[CalibrationGasKit::valueIndex(cylinder, gas)] =
                mainWord(calibrationGasAddress(cylinder, gas));
}

void TVelantar::decodeClockTime() {
    const auto clockValue = [this](int entry, quint8 mask, int limit) {
        const int value = fromBcd(MainImage[AddressMap[entry]] & mask);
        return value >= limit ? 0 : value;
    };
    decoded_.deviceTime = QTime(clockValue(AddressMap::ClockHours, 0x3F, 24),
                                clockValue(AddressMap::ClockMinutes, 0xFF, 60),
                                clockValue(AddressMap::ClockSeconds, 0xFF, 60));
}

void TVelantar::SetDate(quint16 year, quint16 month, quint16 day) {
    MainImage[AddressMap[AddressMap::ClockYear]] = toBcd(year % 100);
    MainImage[AddressMap[AddressMap::ClockCentury]] = quint8(year / 100);
    MainImage[AddressMap[AddressMap::ClockMonth]] = toBcd(month);
    MainImage[AddressMap[AddressMap::ClockDay]] = toBcd(day);
}

void TVelantar::SetTime(quint16 hours, quint16 minutes, quint16 seconds) {
    MainImage[AddressMap[AddressMap::ClockHours]] = quint8(toBcd(hours) + 0x40);
    MainImage[AddressMap[AddressMap::ClockMinutes]] = toBcd(minutes);
    MainImage[AddressMap[AddressMap::ClockSeconds]] = toBcd(seconds);
}

void TVelantar::setHeaderReadRunning(bool running) {
    setStateFlag(HeaderReadRunning, running);
}

void TVelantar::setHeaderWriteRunning(bool running) {
    setStateFlag(HeaderWriteRunning, running);
}

void TVelantar::setStateFlag(quint16 flag, bool on) {
    if (on)
        StateFlags |= flag;
    else
        StateFlags &= quint16(~flag);
}
