#include "folder_lock.h"

#include "user_prompts.h"

#include <QDir>

#include <cstdio>

FolderLock::FolderLock(const QString &workingFolder)
    : lock_(QDir(workingFolder).filePath(fileName())) {
    // Held for the whole run, however long: only a dead owner makes the lock stale.
    lock_.setStaleLockTime(0);
}

QString FolderLock::fileName() {
    return QStringLiteral("velantar.lock");
}

QString FolderLock::alreadyRunningText() {
    return QStringLiteral("Программа уже запущена в этой папке.");
}

bool FolderLock::takeOrTell(UserPrompts &prompts) {
    if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError)
        return true;
    // Also on the standard error output, for a start from a terminal or a script.
    std::fprintf(stderr, "%s\n", qPrintable(alreadyRunningText()));
    prompts.message(alreadyRunningText());
    return false;
}
