#include "in_place_write.h"
#include "regular_file.h"
#include "safe_file.h"
#include "test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Step = InPlaceWrite::Step;

const QByteArray OldBytes("OLD CONTENT, LONGER THAN THE SHORT NEW ONE");
constexpr int kCouldNotDrop = 3;

bool openToEverybody(const QString &path) {
    return QFile::setPermissions(path, QFileDevice::Permissions(0x7777));
}

// Runs SafeFile::write in a child process (as an ordinary user, since a write-protected
// folder does not bind root) that is killed right after `cutAt`, or not at all when
// `cutAt` is empty. Returns the child's wait status.
std::optional<int> writeInChild(const QString &path, const QByteArray &bytes,
                                std::optional<Step> cutAt) {
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(kCouldNotDrop);
        InPlaceWrite::setStepHook([cutAt](Step step) {
            if (step == cutAt)
                ::raise(SIGKILL);
        });
        _exit(SafeFile::write(path, bytes).ok ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return std::nullopt;
    return status;
}

} // namespace

// A file in a write-protected folder is written in place. Whatever step the write is cut
// off at, the next read finds the old bytes whole; a write that ran to its end leaves the
// new bytes alone.
class TestInPlaceWrite : public QObject {
    Q_OBJECT

private slots:
    void cutOffWriteIsUndone_data() {
        QTest::addColumn<QByteArray>("newBytes");
        QTest::addColumn<int>("cutAt"); // -1: not cut off
        QTest::addColumn<bool>("completed");
        const struct {
            const char *name;
            QByteArray bytes;
        } contents[] = {{"shorter", "NEW"}, {"longer", OldBytes + OldBytes}};
        const struct {
            const char *name;
            int step;
        } cuts[] = {{"copy kept", int(Step::CopyKept)},
                    {"new bytes written", int(Step::NewBytesWritten)},
                    {"new bytes synced", int(Step::NewBytesSynced)},
                    {"shortened", int(Step::Shortened)},
                    {"not cut off", -1}};
        for (const auto &content : contents)
            for (const auto &cut : cuts)
                QTest::addRow("%s, %s", content.name, cut.name)
                    << content.bytes << cut.step << (cut.step < 0);
    }
    void cutOffWriteIsUndone() {
        QFETCH(QByteArray, newBytes);
        QFETCH(int, cutAt);
        QFETCH(bool, completed);

        QTemporaryDir dir;
        QVERIFY(openToEverybody(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir("cache") && openToEverybody(dir.filePath("cache")));
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toLocal8Bit());
        auto unsetCache = qScopeGuard([] { qunsetenv("XDG_CACHE_HOME"); });
        QVERIFY(QDir(dir.path()).mkdir("data"));
        const QString folder = dir.filePath("data");
        const QString path = folder + QStringLiteral("/Tolmera10.dat");
        QVERIFY(TestFiles::putBytes(path, OldBytes));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(0x6666)));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
        auto openFolder = qScopeGuard([&] { openToEverybody(folder); });

        const std::optional<Step> cut = cutAt < 0 ? std::nullopt : std::optional<Step>(Step(cutAt));
        const std::optional<int> status = writeInChild(path, newBytes, cut);
        QVERIFY(status);
        if (WIFEXITED(*status) && WEXITSTATUS(*status) == kCouldNotDrop)
            QSKIP("cannot give up root to write-protect the folder");
        if (completed)
            QVERIFY(WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
        else
            QVERIFY(WIFSIGNALED(*status) && WTERMSIG(*status) == SIGKILL);

        QFile file(path);
        QVERIFY(RegularFile::openForReading(file));
        QCOMPARE(file.readAll(), completed ? newBytes : OldBytes);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Tolmera10.dat"});
        // The kept copy is gone once the file is whole again.
        QDirIterator kept(dir.filePath("cache"), QDir::Files | QDir::Hidden,
                          QDirIterator::Subdirectories);
        QVERIFY2(!kept.hasNext(), qPrintable(kept.hasNext() ? kept.next() : QString()));
    }
};

QTEST_GUILESS_MAIN(TestInPlaceWrite)
#include "test_in_place_write.moc"
