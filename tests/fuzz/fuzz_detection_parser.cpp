// One search over whatever arrives on the ports: detection steps as the detection tick runs
// them, with the input delivered in reads whose size the first byte chooses, then the
// detection parser over the whole input at once.

#include "fake_channel.h"
#include "fuzz_input.h"
#include "tvelantar.h"
#include "tvelantar_probe.h"

#include <algorithm>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const quint8 choice = data[0];
    const std::size_t readSize = 1 + choice % 32;
    const int portCount = 1 << (choice >> 5) % 4; // 1, 2, 4 or 8
    const bool fixedMode = choice & 0x80;

    FakeChannel channel;
    channel.existingPorts = {1, 2, 3};
    TVelantar analyser;
    bool found = false;
    for (std::size_t at = 1; at < size && !found; at += readSize) {
        // Usually nothing is waiting here, and the step moves to a port and asks it for its
        // type; bytes left on a port that was closed meanwhile are read now.
        if (analyser.Detect(channel, portCount, fixedMode, 1 + choice % 8))
            break;
        channel.incoming = FuzzInput::bytes(data + at, std::min(readSize, size - at));
        const bool bytesWaiting = channel.IsOpen();
        found = analyser.Detect(channel, portCount, fixedMode, 1 + choice % 8);
        FuzzInput::expect(!bytesWaiting || channel.incoming.isEmpty(),
                          "a detection step reads everything waiting on an open port");
    }
    FuzzInput::expect(!analyser.isDetected() || analyser.typeName() == TVelantar::UnknownTypeName ||
                          analyser.typeName() == TVelantar::TwoComponentTypeName ||
                          analyser.typeName() == TVelantar::FourComponentTypeName,
                      "a found analyser has one of the three type names");

    TVelantar whole;
    whole.ParseDetectionBytes(std::span(data + 1, size - 1));
    FuzzInput::expect(TVelantarProbe::frame(whole).count >= 0 &&
                          TVelantarProbe::frame(whole).count < 4,
                      "the frame assembler holds 0 to 3 bytes between reads");
    return 0;
}
