// Start-up reads of files a user may have replaced by something huge: the printer header
// file and the station line file. Each case runs once on a large input; the figures go to
// docs/PERFORMANCE.md.
#include "header_normalizer.h"
#include "printer_header_file.h"
#include "station_file.h"
#include "text_file_1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kHeaderFileBytes = 5 * 1024 * 1024;
constexpr qsizetype kStationFileBytes = 100 * 1024 * 1024;

// Lines of the given length, each ended by CR LF, filling about totalBytes.
QStringList shortLines(int length, qsizetype totalBytes) {
    QStringList lines;
    const QString line(length, u'x');
    for (qsizetype bytes = 0; bytes < totalBytes; bytes += length + 2)
        lines << line;
    return lines;
}

QString fileOf(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void NormalizeHeaderOfShortLines(benchmark::State &state) {
    const QStringList lines = shortLines(int(state.range(0)), kHeaderFileBytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(NormalizeHeader(lines));
}
BENCHMARK(NormalizeHeaderOfShortLines)
    ->Arg(10)
    ->Arg(30)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The start-up path: "nastr.set" read and normalised.
void HeaderFileAtStart(benchmark::State &state) {
    QTemporaryDir dir;
    const QString text = shortLines(int(state.range(0)), kHeaderFileBytes).join("\r\n");
    const QString path = fileOf(dir, "nastr.set", text.toLatin1());
    for (auto _ : state) {
        const auto lines = PrinterHeaderFile::load(path);
        benchmark::DoNotOptimize(NormalizeHeader(lines.value_or(QStringList())));
    }
}
BENCHMARK(HeaderFileAtStart)->Arg(10)->Arg(30)->Iterations(1)->Unit(benchmark::kMillisecond);

// A station line file of 100 MB without a line end.
void StationLineOfAHugeFile(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = fileOf(dir, "Tolmera10.sto", QByteArray(kStationFileBytes, 'x'));
    for (auto _ : state) {
        QString station;
        benchmark::DoNotOptimize(StationFile::read(path, station));
    }
}
BENCHMARK(StationLineOfAHugeFile)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same file read to its end by a first-line read without a limit: linear in its size.
void FirstLineOfAHugeFileWithoutLimit(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = fileOf(dir, "line.txt", QByteArray(kStationFileBytes, 'x'));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFile1251::readFirstLine(path));
}
BENCHMARK(FirstLineOfAHugeFileWithoutLimit)->Iterations(1)->Unit(benchmark::kMillisecond);

// Writing a text with one character the code page does not hold: the whole text is then
// encoded one code point at a time.
void EncodeWithACharacterOutsideTheCodePage(benchmark::State &state) {
    const QString text = QString(qsizetype(state.range(0)), u'ж') + u'✓';
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFile1251::encode(text));
}
BENCHMARK(EncodeWithACharacterOutsideTheCodePage)->Arg(64 * 1024)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
