#include "analyser_commands.h"

#include "address_map.h"
#include "analyser_requests.h"
#include "app_settings.h"
#include "clock.h"
#include "current_readings.h"
#include "serial_channel.h"
#include "settings_store.h"
#include "text_file_1251.h"
#include "tvelantar.h"
#include "user_prompts.h"

namespace {

// The header is read up to two bytes into its second copy, so that the last line always
// ends.
constexpr int HeaderBytesRead = 66;
using AnalyserRequests::HeaderAddress;
using AnalyserRequests::HeaderWriteCode;
constexpr quint8 ChecksumAddressLow = 0x80;       // 384
constexpr quint8 SecondChecksumAddressLow = 0x81; // 385

struct PumpCommand {
    quint16 address;
    quint8 data;
};
constexpr PumpCommand FourComponentPump{56, 64};
constexpr PumpCommand OtherPump{50, 32};
constexpr quint8 PumpFirstForm = 0x30;
constexpr quint8 PumpSecondForm = 0xB0;

} // namespace

AnalyserCommands::AnalyserCommands(TVelantar &analyser, SerialChannel &serial, PollCycle &cycle,
                                   SettingsStore &settings, const CurrentReadings &readings,
                                   UserPrompts &prompts, const Clock &clock)
    : analyser_(analyser), serial_(serial), cycle_(cycle), store_(settings),
      settings_(settings.get()), readings_(readings), prompts_(prompts), clock_(clock) {}

bool AnalyserCommands::askAboutPrinter() {
    if (settings_.NoBuiltInPrinter != 1)
        return true;
    if (prompts_.askYesNoCancel(QStringLiteral("В приборе есть встроенный принтер ?")) !=
        UserPrompts::Answer::Yes)
        return false;
    store_.set(&AppSettings::NoBuiltInPrinter, 0);
    return true;
}

void AnalyserCommands::setClock() {
    if (showTableView)
        showTableView();
    // The clock is written whatever the answer: its steps run with or without a printer.
    askAboutPrinter();
    const QDateTime now = clock_.now();
    analyser_.SetDate(quint16(now.date().year()), quint16(now.date().month()),
                      quint16(now.date().day()));
    analyser_.SetTime(quint16(now.time().hour()), quint16(now.time().minute()),
                      quint16(now.time().second()));
    cycle_.startClockWrite();
}

void AnalyserCommands::sendHeaderService() {
    const int service = analyser_.addressMap()[AddressMap::HeaderService];
    serial_.SendCommand(quint8(0x10 + (service >> 8)), quint8(service & 0xFF), HeaderServiceByte);
}

void AnalyserCommands::readHeader() {
    if (showTableView)
        showTableView();
    if (!askAboutPrinter())
        return;
    cycle_.startHeaderRead();
    sendHeaderService();
    if (transferStarted)
        transferStarted();
}

void AnalyserCommands::writeHeader(const QStringList &lines) {
    if (showTableView)
        showTableView();
    // Without the 128 data writes that need the printer, the checksum frames alone would
    // leave the analyser's header not matching its checksum.
    if (!askAboutPrinter())
        return;
    const auto bytes = headerBytes(lines);
    quint8 checksum = 0;
    for (const quint8 byte : bytes)
        checksum = quint8(checksum + byte);
    sendHeaderService();
    serial_.SendCommand(HeaderWriteCode, ChecksumAddressLow, checksum);
    serial_.SendCommand(HeaderWriteCode, SecondChecksumAddressLow, checksum);
    cycle_.startHeaderWrite(bytes);
    if (transferStarted)
        transferStarted();
}

void AnalyserCommands::togglePump() {
    const PumpCommand pump =
        readings_.analyserKind == AnalyserKind::FourComponent ? FourComponentPump : OtherPump;
    cycle_.queueCommand(
        {true, pumpToggle_ ? PumpSecondForm : PumpFirstForm, pump.address, pump.data});
    pumpToggle_ = !pumpToggle_;
}

std::array<quint8, PollCycle::HeaderSize> AnalyserCommands::headerBytes(const QStringList &lines) {
    constexpr int Size = PollCycle::HeaderSize;
    QByteArray buffer;
    for (const QString &line : lines) {
        if (buffer.size() >= Size)
            break;
        const QByteArray encoded = TextFile1251::encode(QStringView(line).left(HeaderLineLength));
        for (const char byte : encoded) {
            if (buffer.size() >= Size)
                break;
            buffer.append(byte);
        }
        if (buffer.size() < Size)
            buffer.append('\0');
    }
    while (buffer.size() < Size - 1)
        buffer.append(' ');
    if (buffer.size() == Size - 1)
        buffer.append('\0');
    else
        buffer[Size - 1] = '\0';

    std::array<quint8, Size> bytes{};
    for (int i = 0; i < Size; ++i)
        bytes[i] = quint8(buffer[i]);
    return bytes;
}

QStringList AnalyserCommands::headerLinesFromImage(const TVelantar &analyser) {
    QStringList lines;
    QByteArray line;
    for (int i = 0; i < HeaderBytesRead; ++i) {
        const quint8 byte = analyser.auxImage()[HeaderAddress + i];
        if (line.size() < HeaderLineLength && byte != 0) {
            line.append(char(byte));
        } else {
            lines << TextFile1251::decode(line);
            line.clear();
        }
    }
    return lines;
}
