#pragma once

#include <QLockFile>
#include <QString>

class UserPrompts;

// One copy of the program a working folder: two copies in one folder would both write its
// data files and the graph journal, each under the other. The lock is a file in the working
// folder held while the program runs; a lock left by a copy that died is broken by the next
// one. A folder that cannot hold the lock file (write-protected) does not stop the program.
class FolderLock {
public:
    explicit FolderLock(const QString &workingFolder);

    // Takes the lock. False only when another running copy holds it; the operator is then
    // told so, and the program is to end without touching any file.
    bool takeOrTell(UserPrompts &prompts);

    static QString fileName();
    static QString alreadyRunningText();

private:
    QLockFile lock_;
};
