#pragma once

#include <QString>

class QSqlDatabase;

// Fills an archive database with made-up tests, the same for the same seed: vehicle numbers
// in the Russian plate form, owners, a spread of two years of save times (about 140 a day),
// all three document kinds, verdicts, and document texts of a real report's length. For
// the benchmarks of the archive and of its dialog.
namespace ArchiveSeed {

// The database must have the archive's tables (ArchiveSchema::migrate). Records go in by
// the thousand, each thousand in a transaction. False with the database's reason.
bool fill(QSqlDatabase &db, int count, unsigned seed, QString *error = nullptr);

// An archive.sqlite of `count` records in `folder`, made anew; empty on success, else why not.
QString makeLocalArchive(const QString &folder, int count, unsigned seed = 1);

} // namespace ArchiveSeed
