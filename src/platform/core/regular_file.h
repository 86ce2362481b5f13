#pragma once

#include <QIODevice>
#include <QString>

class QFile;

// The one gate every data file of the program passes: only a regular file (itself or
// through symbolic links) is read or replaced. Anything else at the path (a FIFO, a device,
// a socket, a folder) is treated as missing by readers, so start-up never waits on a pipe,
// and is refused by writers, so a save never replaces a device node with a file.
namespace RegularFile {

// A regular file is there, itself or as the target of symbolic links.
bool isRegular(const QString &path);

// A writer may put a file at the path: nothing is there yet, or a regular file.
bool mayBeReplaced(const QString &path);

// The reason a writer gives when mayBeReplaced() is false.
QString notRegularError();

// Opens the file named by `file` for reading (ReadOnly plus `extra`) when it is a regular
// file; otherwise, or when the open fails, returns false with the reason in `error` when one
// is given. A write in place that was cut off (InPlaceWrite) is first undone.
bool openForReading(QFile &file, QString *error = nullptr, QIODevice::OpenMode extra = {});

// Opens the file named by `file` with the given writing mode when nothing is there yet or a
// regular file is; otherwise returns false with the reason in `error` when one is given.
bool openForWriting(QFile &file, QIODevice::OpenMode mode, QString *error = nullptr);

} // namespace RegularFile
