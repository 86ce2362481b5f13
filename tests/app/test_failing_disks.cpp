#include "app_settings.h"
#include "calibration_gas_kits.h"
#include "graph_file.h"
#include "norm_file.h"
#include "printer_header_file.h"
#include "report_file.h"
#include "safe_file.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "station_file.h"
#include "test_files.h"
#include "text_file_1251.h"
#include "unprivileged.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

using Writer = std::function<bool(const QString &path)>;

const QByteArray OldBytes("OLD CONTENT");
// Larger than the old file, smaller than any new one: the disk fills up during the write.
constexpr rlim_t FullDiskBytes = 16;

// Every file the program writes, each with a content larger than FullDiskBytes.
QList<std::pair<QString, Writer>> writers() {
    return {
        {"Tolmera10.dat",
         [](const QString &path) {
             ScriptedPrompts prompts;
             return SettingsFile::write(path, AppSettings{}, prompts);
         }},
        {"Tolmera10.sto",
         [](const QString &path) { return StationFile::write(path, defaultStationName()); }},
        {"Tolmera10.nor",
         [](const QString &path) {
             ChangeFlags flags;
             flags.NormsModified = true;
             return SaveNormFile(path, NormTable{}, flags) == NormSaveOutcome::Saved;
         }},
        {"Tolmera10.pgs",
         [](const QString &path) {
             return CalibrationGasFile::save(path, DefaultCalibrationGasKits()).ok;
         }},
        {"nastr.set",
         [](const QString &path) {
             return PrinterHeaderFile::save(path, {"ГАЗОАНАЛИЗАТОР", "СТАНЦИЯ N1"}).ok;
         }},
        {"report.txt",
         [](const QString &path) {
             return ReportFile::saveReport(path, {"ПРОТОКОЛ", "CO,%  0,50"}).ok;
         }},
        {"graph.dan",
         [](const QString &path) {
             GraphBuffer graph;
             graph.append({150, 320, 1420, 55, 1003, 820}, 3600000);
             return GraphFile::save(path, graph, {QDate(2026, 12, 8), "А123ВС", ""}).ok;
         }},
        {"recovered.lst",
         [](const QString &path) {
             return TextFile1251::writeLines(path, {"/home/station/Text/Восстановлен.txt"});
         }},
    };
}

// What stands at a writer's path instead of a regular file.
enum Target {
    Fifo,          // a named pipe
    LinkToFifo,    // a symbolic link to one
    DeviceNode,    // a character device (made as root only)
    LinkToRegular, // a symbolic link to a regular file: that one is written
};

// Makes the target at `path`; false when it cannot be made here.
bool makeTarget(Target target, const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const QString real = path + QStringLiteral(".real");
    switch (target) {
    case Fifo:
        return mkfifo(name.constData(), 0666) == 0;
    case LinkToFifo:
        return mkfifo(QFile::encodeName(real).constData(), 0666) == 0 && QFile::link(real, path);
    case DeviceNode: // the one the null device has
        return mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    case LinkToRegular:
        return TestFiles::putBytes(real, OldBytes) && QFile::link(real, path);
    }
    return false;
}

// The file type at `path` itself, links not followed.
mode_t typeAt(const QString &path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

bool openToEverybody(const QString &path) {
    return QFile::setPermissions(path, QFileDevice::Permissions(0x7777));
}

enum Failure {
    FullDisk,            // the disk fills up during the write
    ProtectedFolder,     // no file yet, the folder refuses new files
    ProtectedFile,       // the folder and the file are write-protected
    ProtectedFolderOnly, // the folder refuses new files, the file may be written
    ProtectedFolderFull, // as above, and the disk fills up during the write
};

} // namespace

// Every file the program writes, on a disk that fails: a full disk, a write-protected folder
// and file (checked as an ordinary user, since permissions do not bind root). A write either
// completes or leaves the previous file whole, and the writer reports which.
class TestFailingDisks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void previousFileStaysWhole_data() {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("failure");
        QTest::addColumn<bool>("written");
        const struct {
            const char *name;
            Failure failure;
            bool written;
        } failures[] = {
            {"full disk", FullDisk, false},
            {"write-protected folder, no file", ProtectedFolder, false},
            {"write-protected folder and file", ProtectedFile, false},
            {"write-protected folder, writable file", ProtectedFolderOnly, true},
            {"write-protected folder, writable file, full disk", ProtectedFolderFull, false},
        };
        const auto all = writers();
        for (int w = 0; w < all.size(); ++w)
            for (const auto &f : failures)
                QTest::addRow("%s, %s", qPrintable(all[w].first), f.name)
                    << w << int(f.failure) << f.written;
    }
    void previousFileStaysWhole() {
        QFETCH(int, writer);
        QFETCH(int, failure);
        QFETCH(bool, written);
        const auto [name, write] = writers().at(writer);

        QTemporaryDir reference;
        QVERIFY(write(reference.filePath(name)));
        const QByteArray wanted = TestFiles::fileBytes(reference.filePath(name));
        QVERIFY(wanted.size() > qsizetype(FullDiskBytes));

        QTemporaryDir dir;
        QVERIFY(openToEverybody(dir.path()));
        const QString folder = dir.filePath("data");
        QVERIFY(QDir(dir.path()).mkdir("data"));
        const QString path = folder + u'/' + name;
        const bool hadFile = failure != ProtectedFolder;
        if (hadFile) {
            QVERIFY(TestFiles::putBytes(path, OldBytes));
            const auto mode = failure == ProtectedFile ? 0x4444 : 0x6666;
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(mode)));
        }
        if (failure != FullDisk)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
        auto restore = qScopeGuard([&] { openToEverybody(folder); });

        std::optional<bool> reported;
        if (failure == FullDisk) {
            const TestFiles::FileSizeLimit limit(FullDiskBytes);
            reported = write(path);
        } else {
            reported = Unprivileged::run([&] {
                std::optional<TestFiles::FileSizeLimit> limit;
                if (failure == ProtectedFolderFull)
                    limit.emplace(FullDiskBytes);
                return write(path);
            });
            if (!reported)
                QSKIP("cannot give up root to check permissions");
        }
        QCOMPARE(*reported, written);
        if (hadFile)
            QCOMPARE(TestFiles::fileBytes(path), written ? wanted : OldBytes);
        else
            QVERIFY(!QFile::exists(path));
        // No temporary file is left behind.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 hadFile ? QStringList{name} : QStringList());
    }

    // A full disk is told with the system's reason, not an empty "Unknown error".
    void aFullDiskSaysWhy() {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.txt");
        QVERIFY(TestFiles::putBytes(path, OldBytes));
        SafeFile::WriteResult result;
        {
            const TestFiles::FileSizeLimit limit(FullDiskBytes);
            result = SafeFile::write(path, QByteArray(4096, 'x'));
        }
        QVERIFY(!result.ok);
        QVERIFY2(!result.error.isEmpty() && result.error != QStringLiteral("Unknown error"),
                 qPrintable(result.error));
        QCOMPARE(TestFiles::fileBytes(path), OldBytes);
    }

    // Only a regular file is replaced: a pipe, a device node or a link to one stays as it
    // was and the writer reports a failure; a link to a regular file has that file written.
    void onlyRegularFilesAreReplaced_data() {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("written");
        const struct {
            const char *name;
            Target target;
            bool written;
        } targets[] = {{"FIFO", Fifo, false},
                       {"link to a FIFO", LinkToFifo, false},
                       {"device node", DeviceNode, false},
                       {"link to a regular file", LinkToRegular, true}};
        const auto all = writers();
        for (int w = 0; w < all.size(); ++w)
            for (const auto &t : targets)
                QTest::addRow("%s, %s", qPrintable(all[w].first), t.name)
                    << w << int(t.target) << t.written;
    }
    void onlyRegularFilesAreReplaced() {
        QFETCH(int, writer);
        QFETCH(int, target);
        QFETCH(bool, written);
        const auto [name, write] = writers().at(writer);

        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!makeTarget(Target(target), path))
            QSKIP("this target cannot be made here (a device node needs root)");
        const mode_t before = typeAt(path);
        const mode_t realBefore = typeAt(path + QStringLiteral(".real"));

        QCOMPARE(write(path), written);
        QCOMPARE(typeAt(path), before);
        QCOMPARE(typeAt(path + QStringLiteral(".real")), realBefore);
        if (written)
            QVERIFY(TestFiles::fileBytes(path) != OldBytes);
    }
};

QTEST_GUILESS_MAIN(TestFailingDisks)
#include "test_failing_disks.moc"
