#pragma once

#include "archive_record.h"

#include <QList>
#include <QString>

// The records a post could not store even in its own archive file (a full disk, a file it
// may not write), kept across an exit in "archive-pending.json" in the working folder (UTF-8
// JSON, one object a record, every field of it) so that the next start stores them. The file
// is replaced whole through SafeFile, never left cut off.
namespace PendingRecords {

inline constexpr char16_t FileName[] = u"archive-pending.json";

// Writes the records into the folder's file, or removes the file when there are none; empty
// on success, else the system's reason.
QString save(const QString &folder, const QList<ArchiveRecord> &records);

struct Loaded {
    QList<ArchiveRecord> records;
    QString error; // a file there that could not be read or is no list of records
};
// What the folder's file holds; nothing when there is no file.
Loaded load(const QString &folder);

} // namespace PendingRecords
