#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replacing a file's bytes in place, for a writable file in a folder that refuses a
// temporary file beside it. The old bytes are first kept in a copy in the user's cache
// folder (synced to disk); then the new bytes go over the old ones, are synced, and only
// then is the file shortened to their length; the copy goes when all that is done. A write
// cut off at any step (a kill, a power cut) is undone from the copy the next time the file
// is read or written, so the file is never left as new bytes followed by an old tail.
// Where the cache folder cannot hold the copy the steps run all the same, without it.
namespace InPlaceWrite {

struct Result {
    bool ok = false;
    QString error; // the system's reason when ok is false
};

// The steps of a write in place, each one done when the hook is told of it.
enum class Step { CopyKept, NewBytesWritten, NewBytesSynced, Shortened };

// Told of every step as it is done; for tests that cut a write off at a given step.
void setStepHook(std::function<void(Step)> hook);

// Writes `bytes` over the regular file at `path`. On a failure the old bytes are put back.
Result write(const QString &path, const QByteArray &bytes);

// Puts back the old bytes of a write in place at `path` that was cut off, if there is one.
void restoreInterrupted(const QString &path);

} // namespace InPlaceWrite
