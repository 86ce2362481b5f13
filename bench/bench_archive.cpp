#include "archive_schema.h"
#include "archive_seed.h"
#include "archive_server.h"
#include "clock.h"
#include "postgres_server.h"
#include "report_file.h"
#include "scripted_prompts.h"
#include "station_archive.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

// The test archive's costs: a document saved with its record against the file alone, and the
// searches of the archive dialog over 100 000 records, in the post's SQLite file and on a
// PostgreSQL server over loopback. Database figures are wall time (the server works in
// another process; a commit waits for the disk).

namespace {

constexpr int kRecords = 100000;

QStringList documentLines() {
    QStringList lines{QStringLiteral("ОТЧЕТ О ПРОВЕРКЕ СОДЕРЖАНИЯ ВРЕДНЫХ ВЕЩЕСТВ"),
                      QStringLiteral("СТО \"Восток\", пост 1"),
                      QStringLiteral("Гос. номер: А123ВС77"),
                      QStringLiteral("Владелец: Иванов И.И.")};
    for (int line = 0; line < 22; ++line)
        lines
            << QStringLiteral("  CO, %  0,35   CH, ppm  120   CO2, %  14,20   строка %1").arg(line);
    return lines;
}

ArchiveRecord recordOf(const QStringList &lines, const QString &path) {
    ArchiveRecord record;
    record.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record.savedAt = QDateTime::currentDateTime();
    record.vehicleNumber = QStringLiteral("А123ВС77");
    record.detailLabel = QStringLiteral("Владелец:");
    record.detailText = QStringLiteral("Иванов И.И.");
    for (ArchiveSlot &slot : record.recordSlots) {
        slot.recorded = true;
        slot.readings = {QStringLiteral("0,35"), QStringLiteral("120"),   QStringLiteral("14,20"),
                         QStringLiteral("0,50"), QStringLiteral("1,002"), QStringLiteral("780")};
    }
    record.documentText = lines.join(QStringLiteral("\r\n"));
    record.fileName = path;
    return record;
}

SystemClock systemClock;
ScriptedPrompts prompts;

// The seeded archives, made once for all the searches.
struct Seeded {
    QTemporaryDir local;
    std::unique_ptr<StationArchive> localArchive;
    std::unique_ptr<PostgresServer> server;
    QTemporaryDir remoteFolder;
    std::unique_ptr<StationArchive> remoteArchive;
    QString serverError;
};
std::unique_ptr<Seeded> seeded;

Seeded &seededArchives() {
    if (seeded)
        return *seeded;
    seeded = std::make_unique<Seeded>();
    const QString made = ArchiveSeed::makeLocalArchive(seeded->local.path(), kRecords);
    if (!made.isEmpty())
        std::fprintf(stderr, "seeding the local archive failed: %s\n", qPrintable(made));
    seeded->localArchive =
        std::make_unique<StationArchive>(seeded->local.path(), systemClock, prompts);
    return *seeded;
}

// The same records on a server of the benchmark's own, made at the first search there.
Seeded &seededServer() {
    seededArchives();
    if (seeded->server || !seeded->serverError.isEmpty())
        return *seeded;
    if (PostgresServer::binFolder().isEmpty()) {
        seeded->serverError = QStringLiteral("PostgreSQL is not installed");
        return *seeded;
    }
    seeded->server = std::make_unique<PostgresServer>();
    if (!seeded->server->create()) {
        seeded->serverError = seeded->server->error();
        return *seeded;
    }
    ArchiveServer connection(seeded->server->settings());
    QString error;
    if (!connection.connect(error)) {
        seeded->serverError = error;
        return *seeded;
    }
    QSqlDatabase db = connection.database();
    if (!ArchiveSeed::fill(db, kRecords, 1, &error)) {
        seeded->serverError = error;
        return *seeded;
    }
    // What the server's own autovacuum does within a minute of so many new rows: the table's
    // statistics and its map of pages every reader sees whole (which lets a search read an
    // index alone). A register in use has had both for long.
    QSqlQuery vacuum(db);
    if (!vacuum.exec(QStringLiteral("VACUUM ANALYZE"))) {
        seeded->serverError = vacuum.lastError().text();
        return *seeded;
    }
    seeded->remoteArchive =
        std::make_unique<StationArchive>(seeded->remoteFolder.path(), systemClock, prompts);
    seeded->remoteArchive->setServer(seeded->server->settings());
    return *seeded;
}

// The searches the dialog makes: 0 the newest 200; 1 a number fragment; 2 an owner fragment;
// 3 one day; 4 the failed tests of a month, newest 200; as the operator types a number, the
// newest 501 (the dialog's list and one more): 5 its first two letters, 6 five letters typed
// in Cyrillic.
ArchiveFilter filterOf(int which) {
    ArchiveFilter filter;
    switch (which) {
    case 5:
        filter.vehicleNumber = QStringLiteral("12");
        filter.limit = 501;
        break;
    case 6:
        filter.vehicleNumber = QStringLiteral("а123в");
        filter.limit = 501;
        break;
    case 0:
        filter.limit = 200;
        break;
    case 1:
        filter.vehicleNumber = QStringLiteral("123");
        break;
    case 2:
        filter.detailText = QStringLiteral("сидор");
        break;
    case 3:
        filter.from = filter.to = QDate(2025, 6, 15);
        break;
    default:
        filter.from = QDate(2025, 6, 1);
        filter.to = QDate(2025, 6, 30);
        filter.verdict = ArchiveVerdict::Fail;
        filter.limit = 200;
        break;
    }
    return filter;
}

} // namespace

// The document file alone, as "Сохранить" writes it.
static void SaveDocumentAlone(benchmark::State &state) {
    QTemporaryDir folder;
    const QStringList lines = documentLines();
    const QString path = folder.filePath(QStringLiteral("a.txt"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportFile::saveReport(path, lines).ok);
}
BENCHMARK(SaveDocumentAlone)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same with its record committed to the post's SQLite archive (WAL, synchronous FULL);
// argument: the records already in it.
static void SaveDocumentWithRecord(benchmark::State &state) {
    QTemporaryDir folder;
    if (state.range(0) > 0) {
        const QString made = ArchiveSeed::makeLocalArchive(folder.path(), int(state.range(0)));
        if (!made.isEmpty()) {
            state.SkipWithError(qPrintable(made));
            return;
        }
    }
    StationArchive archive(folder.path(), systemClock, prompts);
    const QStringList lines = documentLines();
    const QString path = folder.filePath(QStringLiteral("a.txt"));
    for (auto _ : state) {
        const bool saved = ReportFile::saveReport(path, lines).ok;
        benchmark::DoNotOptimize(saved && archive.add(recordOf(lines, path)).stored);
    }
}
BENCHMARK(SaveDocumentWithRecord)
    ->Arg(0)
    ->Arg(kRecords)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

static void FindInLocalArchive(benchmark::State &state) {
    StationArchive &archive = *seededArchives().localArchive;
    const ArchiveFilter filter = filterOf(int(state.range(0)));
    qsizetype found = 0;
    for (auto _ : state)
        found = archive.find(filter).size();
    state.counters["found"] = double(found);
}
BENCHMARK(FindInLocalArchive)->DenseRange(0, 6)->UseRealTime()->Unit(benchmark::kMillisecond);

static void FindOnServer(benchmark::State &state) {
    Seeded &archives = seededServer();
    if (!archives.remoteArchive) {
        state.SkipWithError(qPrintable(archives.serverError));
        return;
    }
    const ArchiveFilter filter = filterOf(int(state.range(0)));
    qsizetype found = 0;
    for (auto _ : state)
        found = archives.remoteArchive->find(filter).size();
    state.counters["found"] = double(found);
    if (!archives.remoteArchive->statusText().isEmpty())
        state.SkipWithError("the server did not answer");
}
BENCHMARK(FindOnServer)->DenseRange(0, 6)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    seeded.reset(); // the server stopped while the application still runs
    return 0;
}
