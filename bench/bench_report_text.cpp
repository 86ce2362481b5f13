#include "report_text.h"

#include <QLocale>

#include <benchmark/benchmark.h>

// Building the whole document text of each kind from a report with every slot recorded: the
// work done after every record command and every rebuild of the memo.
static void BuildReportTextOfKind(benchmark::State &state) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    TestReport report;
    report.FillReferences(CalibrationGasKit::defaults());
    for (int slot = 0; slot < TestReport::kSlotCount; ++slot)
        report.RecordMeasurement(slot, {qint16(100 + slot), 300, 500, 20, 1000, 800});
    const VehicleData vehicle{QStringLiteral("ООО Станция"), QStringLiteral("A123BC"),
                              QStringLiteral("Петров"), QStringLiteral("Владелец:")};
    const int kind = int(state.range(0));
    for (auto _ : state) {
        QStringList lines =
            BuildReportText(kind, report, vehicle, AnalyserKind::FourComponent,
                            QStringLiteral("03.03.2026"), QStringLiteral("10:15:30"));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BuildReportTextOfKind)->Arg(0)->Arg(1)->Arg(2);

BENCHMARK_MAIN();
