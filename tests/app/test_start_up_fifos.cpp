#include "calibration_gas_kits.h"
#include "graph_file.h"
#include "graph_journal.h"
#include "norm_file.h"
#include "printer_header_file.h"
#include "report_file.h"
#include "settings_file.h"
#include "station_file.h"
#include "test_files.h"
#include "text_file_1251.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Reads the file at the first path and the missing file at the second; true when both
// give the same result.
using Reader = std::function<bool(const QString &path, const QString &missing)>;

QList<std::pair<QString, Reader>> readers() {
    return {
        {"Tolmera10.dat",
         [](const QString &p, const QString &m) {
             return SettingsFile::read(p) == SettingsFile::read(m);
         }},
        {"Tolmera10.nor",
         [](const QString &p, const QString &m) { return LoadNormFile(p) == LoadNormFile(m); }},
        {"Tolmera10.sto",
         [](const QString &p, const QString &m) {
             QString fromPath = "kept", fromMissing = "kept";
             return StationFile::read(p, fromPath) == StationFile::read(m, fromMissing) &&
                    fromPath == fromMissing;
         }},
        {"Tolmera10.pgs",
         [](const QString &p, const QString &m) {
             return CalibrationGasFile::load(p) == CalibrationGasFile::load(m);
         }},
        {"nastr.set",
         [](const QString &p, const QString &m) {
             return PrinterHeaderFile::load(p) == PrinterHeaderFile::load(m);
         }},
        {"recovered.lst",
         [](const QString &p, const QString &m) {
             return TextFile1251::readLines(p).ok == TextFile1251::readLines(m).ok;
         }},
        {"Журнал_записи.jrn",
         [](const QString &p, const QString &m) {
             return GraphJournal::read(p).status == GraphJournal::read(m).status &&
                    GraphJournal::read(p).samples.empty();
         }},
        {"graph.dan",
         [](const QString &p, const QString &m) {
             return GraphFile::open(p).status == GraphFile::open(m).status;
         }},
        {"report.txt",
         [](const QString &p, const QString &m) {
             return ReportFile::openReport(p).ok == ReportFile::openReport(m).ok;
         }},
    };
}

enum Kind { Fifo, LinkToFifo, Folder };

bool make(Kind kind, const QString &path) {
    switch (kind) {
    case Fifo:
        return mkfifo(QFile::encodeName(path).constData(), 0666) == 0;
    case LinkToFifo:
        return make(Fifo, path + QStringLiteral(".pipe")) &&
               QFile::link(path + QStringLiteral(".pipe"), path);
    case Folder:
        return QDir().mkdir(path);
    }
    return false;
}

// Runs the reader in a child process with an alarm set, so a read that waits on the pipe
// fails the test in seconds rather than hanging it. True when the child answered true.
bool answersInTime(const std::function<bool()> &read) {
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        alarm(10);
        _exit(read() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// A data file that is not a regular file (a FIFO, a link to one, a folder) reads as missing,
// at once: start-up never waits on a pipe.
class TestStartUpFifos : public QObject {
    Q_OBJECT

private slots:
    void notRegularReadsAsMissing_data() {
        QTest::addColumn<int>("reader");
        QTest::addColumn<int>("kind");
        const std::pair<const char *, Kind> kinds[] = {
            {"FIFO", Fifo}, {"link to a FIFO", LinkToFifo}, {"folder", Folder}};
        const auto all = readers();
        for (int r = 0; r < all.size(); ++r)
            for (const auto &[name, kind] : kinds)
                QTest::addRow("%s, %s", qPrintable(all[r].first), name) << r << int(kind);
    }
    void notRegularReadsAsMissing() {
        QFETCH(int, reader);
        QFETCH(int, kind);
        const auto [name, read] = readers().at(reader);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(make(Kind(kind), path));
        QVERIFY(answersInTime([&] { return read(path, dir.filePath("missing")); }));
    }

    // A link to a regular file is read like the file.
    void linkToRegularFileIsRead() {
        QTemporaryDir dir;
        QVERIFY(TextFile1251::writeLines(dir.filePath("real.sto"), {"СТАНЦИЯ"}));
        QVERIFY(QFile::link(dir.filePath("real.sto"), dir.filePath("Tolmera10.sto")));
        QString station;
        QVERIFY(StationFile::read(dir.filePath("Tolmera10.sto"), station));
        QCOMPARE(station, QStringLiteral("СТАНЦИЯ"));
    }
};

QTEST_GUILESS_MAIN(TestStartUpFifos)
#include "test_start_up_fifos.moc"
