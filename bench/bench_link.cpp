#include "app_settings.h"
#include "fake_channel.h"
#include "link_controller.h"
#include "link_view.h"
#include "readings_source.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "tvelantar.h"

#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <vector>

// The polling parser and the decode pass: the work of every receive tick and of the end of
// every poll cycle. The line brings at most 9600 / 11 = 872.7 bytes a second (8 data bits,
// no parity, 2 stop bits), so the parser's bytes per second are set against that.

namespace {

// A realistic stream: the answers of one normal poll cycle (word answers and a byte answer),
// repeated, with a stray byte now and then as a noisy line would have.
std::vector<quint8> answerStream(int cycles) {
    const int words[] = {307, 315, 309, 311, 313, 335, 882, 1353};
    std::vector<quint8> bytes;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (int address : words) {
            const int value = 100 + cycle % 50;
            bytes.insert(bytes.end(), {quint8(0x98 + (address >> 8)), quint8(address & 0xFF),
                                       quint8(value & 0xFF), quint8(value >> 8)});
        }
        const quint8 h = 0x90, l = 54, d = 0x40;
        bytes.insert(bytes.end(), {h, l, d, quint8(h + l + d)});
        if (cycle % 7 == 0)
            bytes.push_back(0x5A); // noise
    }
    return bytes;
}

// A view that takes what the link shows and keeps nothing, as a main window whose fields
// already show it.
class QuietLinkView : public LinkView {
public:
    void linkStarting() override {}
    void setIndicationToggleEnabled(bool) override {}
    void setSearchProgress(int) override {}
    void setSearchProgressVisible(bool) override {}
    void setPortStatus(const QString &) override {}
    void showPortPage() override {}
    void setPumpIndicator(const Indicator &) override {}
    void setFuelIndicator(const Indicator &) override {}
    void showSettingsMenu(int) override {}
    void analyserFound(AnalyserKind) override {}
    void analyserLost() override {}
    void linkLost(const QString &) override {}
    void linkRestored() override {}
};

} // namespace

static void PollingParser(benchmark::State &state) {
    const std::vector<quint8> stream = answerStream(1000);
    TVelantar analyser;
    for (auto _ : state) {
        analyser.ParsePollingBytes(stream);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * qint64(stream.size()));
    // How many times faster than the line can deliver.
    constexpr double lineBytesPerSecond = 9600.0 / 11.0;
    state.counters["x_line_rate"] = benchmark::Counter(
        double(stream.size()) / lineBytesPerSecond, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(PollingParser);

// The parser as polling uses it: a receive tick every 10 ms finds one four-byte answer.
// `core_percent` is the share of one core the parser takes at that pace (100 calls a second).
static void PollingParserPerTick(benchmark::State &state) {
    const std::vector<quint8> stream = answerStream(50);
    constexpr std::size_t answerBytes = 4;
    TVelantar analyser;
    std::size_t next = 0;
    for (auto _ : state) {
        if (next + answerBytes > stream.size())
            next = 0;
        analyser.ParsePollingBytes(std::span(stream).subspan(next, answerBytes));
        next += answerBytes;
        benchmark::ClobberMemory();
    }
    constexpr double ticksPerSecond = 100;
    state.counters["core_percent"] = benchmark::Counter(
        1 / (100 * ticksPerSecond),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(PollingParserPerTick);

static void DecodePass(benchmark::State &state) {
    TVelantar analyser;
    analyser.ParsePollingBytes(answerStream(1));
    for (auto _ : state) {
        analyser.Decode();
        benchmark::DoNotOptimize(analyser.decoded().co);
    }
}
BENCHMARK(DecodePass);

// The link's own work once polling: a receive tick (Timer1, every 10 ms) that finds one
// four-byte answer waiting, reads and parses it, copies the decoded readings and works out the
// mode indicators, then a send tick (Timer2, every 30 ms) that writes the next request. The
// event loop's wake-ups and the drawing of what changed are not in it (scripts/measure has
// the whole program).
static void ReceiveAndSendTicks(benchmark::State &state) {
    FakeChannel channel;
    channel.existingPorts = {1};
    channel.Open(1, 9600);
    TVelantar analyser;
    analyser.SelectAddressMap(AnalyserKind::FourComponent);
    SettingsStore settings;
    ReadingsSource source;
    QuietLinkView view;
    ScriptedPrompts prompts;
    LinkController link(channel, analyser, settings, source, view, prompts);
    const std::vector<quint8> stream = answerStream(50);
    std::size_t next = 0;
    for (auto _ : state) {
        if (next + 4 > stream.size())
            next = 0;
        channel.incoming = QByteArray(reinterpret_cast<const char *>(stream.data() + next), 4);
        next += 4;
        link.Timer1Timer();
        link.Timer2Timer();
        channel.written.clear();
    }
    benchmark::DoNotOptimize(source.readings().sample);
}
BENCHMARK(ReceiveAndSendTicks);

BENCHMARK_MAIN();
