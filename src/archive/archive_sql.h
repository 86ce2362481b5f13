#pragma once

#include "archive_record.h"

#include <QList>
#include <QSqlError>
#include <QString>

#include <optional>

class QSqlDatabase;

// The records in the archive's tables, the same statements on SQLite and PostgreSQL.
namespace ArchiveSql {

enum class InsertOutcome { Inserted, AlreadyStored, Failed };
struct Inserted {
    InsertOutcome outcome = InsertOutcome::Failed;
    QString error;
    QSqlError sqlError; // the database's own error, when it failed
};
// The record with its slots and readings, inside the caller's transaction. A record whose id
// is already there is left as it is (INSERT ... ON CONFLICT DO NOTHING): sent twice, stored
// once.
Inserted insert(QSqlDatabase &db, const ArchiveRecord &record);

struct Found {
    bool ok = false;
    QString error;
    QList<ArchiveSummary> summaries; // newest first
};
Found find(QSqlDatabase &db, const ArchiveFilter &filter);

// The whole record, or none when no record has the id (or the database failed: `error`).
std::optional<ArchiveRecord> load(QSqlDatabase &db, const QString &id, QString *error = nullptr);

// The time as stored: ISO with milliseconds, local time, no offset.
QString storedTime(const QDateTime &time);

} // namespace ArchiveSql
