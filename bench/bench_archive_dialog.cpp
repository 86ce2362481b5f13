#include "archive_dialog.h"
#include "fixed_clock.h"
#include "generated_archive.h"
#include "scripted_prompts.h"
#include "services.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct DialogServices {
    ScriptedPrompts prompts;
    FixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    Services services{&prompts, &clock, nullptr, nullptr, nullptr};
};

} // namespace

// "Архив испытаний..." chosen: the dialog made over an archive of N tests, its list filled
// with the newest ones, the first test's document shown, the window shown and painted once.
// Wall time, as the operator waits for it.
static void ArchiveDialogOpens(benchmark::State &state) {
    GeneratedArchive archive(int(state.range(0)));
    DialogServices outside;
    for (auto _ : state) {
        auto dialog =
            std::make_unique<ArchiveDialog>(archive, outside.services, QStringLiteral("ПТО N 1"));
        dialog->show();
        dialog->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.get());
    }
}
BENCHMARK(ArchiveDialogOpens)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// One search as the operator types: a part of the number into the field, the pause's end,
// the list filled anew and repainted.
static void ArchiveSearchAsYouType(benchmark::State &state) {
    GeneratedArchive archive(int(state.range(0)));
    DialogServices outside;
    ArchiveDialog dialog(archive, outside.services, QStringLiteral("ПТО N 1"));
    dialog.show();
    QApplication::processEvents();
    auto *number = dialog.findChild<QLineEdit *>(QStringLiteral("ArchiveNumberEdit"));
    const QStringList typed = {QStringLiteral("77"), QStringLiteral("А0"), QString()};
    int n = 0;
    for (auto _ : state) {
        number->setText(typed[n++ % typed.size()]);
        dialog.runSearch();
        dialog.repaint();
    }
}
BENCHMARK(ArchiveSearchAsYouType)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
