#pragma once

#include <QString>

class QSqlDatabase;

// The archive's tables, brought to the newest version by the migrations in
// src/archive/migrations (NNN_name.sql, compiled in as resources). The table schema_version
// holds the version reached; the migrations not yet run run once, in one transaction, on SQLite
// and on PostgreSQL alike.
namespace ArchiveSchema {

// The number of the newest migration.
int latestVersion();

struct Outcome {
    bool ok = false;
    QString error; // the database's reason when ok is false
};
// Runs the migrations the database has not had yet. Two posts starting at once against one
// server take turns (a transaction-scoped advisory lock on PostgreSQL).
Outcome migrate(QSqlDatabase &db);

} // namespace ArchiveSchema
