#pragma once

class QFileDevice;
class QString;

// Getting what was written to a file onto the disk itself, so that a power cut keeps it.
namespace FileSync {

// Hands Qt's buffer to the system (flush), then waits until the system has put the file's
// data on the disk (fsync). False when either step failed or the file is not open; the
// system's reason then goes to `error` when one is given.
bool toDisk(QFileDevice &file, QString *error = nullptr);

} // namespace FileSync
