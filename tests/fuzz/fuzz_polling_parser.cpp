// The polling parser, the decode pass and the poll cycle over whatever the line delivers.
// The first byte chooses the analyser kind, the read size and the cycle's conditions; the
// rest arrives in reads of that size, with a send tick after each, as the receive and send
// ticks take them.

#include "current_readings.h"
#include "fuzz_input.h"
#include "poll_cycle.h"
#include "readings_copy.h"
#include "serial_channel.h"
#include "tvelantar.h"
#include "tvelantar_probe.h"

#include <algorithm>
#include <span>

namespace {

// A line that takes every request and delivers nothing: the bytes come from the input.
class SinkChannel : public SerialChannel {
public:
    bool Open(int portNumber, int) override {
        port_ = portNumber;
        return true;
    }
    bool Close() override { return true; }
    int BytesWaiting() override { return 0; }
    int Read(quint8 *, quint16) override { return 0; }
    int Write(const quint8 *, quint16 count) override { return count; }
    bool IsOpen() const override { return true; }
    int PortNumber() const override { return port_; }

private:
    int port_ = 1;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const quint8 choice = data[0];
    const auto kind = AnalyserKind(choice % 3);
    const std::size_t readSize = 1 + (choice >> 2) % 16;
    PollCycle::Conditions conditions;
    conditions.modeIndication = choice & 0x40;
    conditions.printerAndTable = choice & 0x80;

    TVelantar analyser;
    analyser.SelectAddressMap(kind);
    SinkChannel line;
    PollCycle cycle(analyser, line);
    if (choice & 0x02)
        cycle.startHeaderRead();
    CurrentReadings readings;
    readings.analyserKind = kind;

    for (std::size_t at = 1; at < size; at += readSize) {
        analyser.ParsePollingBytes(std::span(data + at, std::min(readSize, size - at)));
        FuzzInput::expect(TVelantarProbe::frame(analyser).count >= 0 &&
                              TVelantarProbe::frame(analyser).count < 4,
                          "the frame assembler holds 0 to 3 bytes between reads");
        cycle.tick(conditions);
        copyDecodedReadings(analyser, conditions.modeIndication, readings);
    }
    analyser.Decode();
    copyDecodedReadings(analyser, conditions.modeIndication, readings);
    FuzzInput::expect(kind == AnalyserKind::FourComponent || readings.sample.lambda == 0,
                      "only a four-component analyser has a lambda");
    FuzzInput::expect(readings.sample.lambda >= 0 && readings.sample.lambda < 2000,
                      "a lambda of 2000 or more is no measurement");
    return 0;
}
