#include "folder_lock.h"
#include "scripted_prompts.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

enum Holder { Nobody, LiveCopy, DeadCopy };

// Leaves the folder's lock as a copy that died holding it would: taken in a child process
// that ends without letting it go.
bool leaveLockOfDeadCopy(const QString &folder) {
    const pid_t child = fork();
    if (child == 0) {
        FolderLock lock(folder);
        ScriptedPrompts prompts;
        _exit(lock.takeOrTell(prompts) ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

// One copy a working folder: a second one is told and stops; the lock of a copy that died
// is broken.
class TestFolderLock : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsTold_data() {
        QTest::addColumn<int>("holder");
        QTest::addColumn<bool>("taken");
        QTest::newRow("free folder") << int(Nobody) << true;
        QTest::newRow("held by a running copy") << int(LiveCopy) << false;
        QTest::newRow("left by a copy that died") << int(DeadCopy) << true;
    }
    void secondCopyIsTold() {
        QFETCH(int, holder);
        QFETCH(bool, taken);
        QTemporaryDir folder;
        FolderLock running(folder.path());
        ScriptedPrompts runningPrompts;
        if (holder == LiveCopy)
            QVERIFY(running.takeOrTell(runningPrompts));
        if (holder == DeadCopy)
            QVERIFY(leaveLockOfDeadCopy(folder.path()));

        FolderLock second(folder.path());
        ScriptedPrompts prompts;
        QCOMPARE(second.takeOrTell(prompts), taken);
        QCOMPARE(prompts.shown,
                 taken ? QStringList() : QStringList{FolderLock::alreadyRunningText()});
    }
};

QTEST_GUILESS_MAIN(TestFolderLock)
#include "test_folder_lock.moc"
