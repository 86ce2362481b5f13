#pragma once

#include <QByteArray>
#include <QString>

// Whole-file writes that never leave a cut-off file behind. The bytes go to a temporary file
// beside the target, which replaces the target only when every byte reached the disk
// (QSaveFile). Where the folder refuses the temporary file (a write-protected folder holding a
// writable file) the file is written in place instead (InPlaceWrite), so the user's data is
// still saved. Only a regular file is replaced: anything else at the path (a FIFO, a device
// node, a link to one) is refused with RegularFile::notRegularError().
namespace SafeFile {

struct WriteResult {
    bool ok = false;
    QString error; // the system's reason when ok is false
};

WriteResult write(const QString &path, const QByteArray &bytes);

} // namespace SafeFile
