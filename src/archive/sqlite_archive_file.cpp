#include "sqlite_archive_file.h"

#include "archive_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

// The database's own files beside the main one.
const QStringList kCompanionSuffixes = {QStringLiteral("-wal"), QStringLiteral("-shm")};

} // namespace

// SQLITE_CORRUPT and SQLITE_NOTADB, also inside an extended result code.
bool SqliteArchiveFile::isDamage(const QSqlError &error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 11 || code == 26;
}

SqliteArchiveFile::SqliteArchiveFile(const QString &path)
    : path_(path), connection_(QStringLiteral("archive-") + QUuid::createUuid().toString()) {}

SqliteArchiveFile::~SqliteArchiveFile() {
    close();
}

bool SqliteArchiveFile::isOpen() const {
    return QSqlDatabase::contains(connection_) && database().isOpen();
}

QSqlDatabase SqliteArchiveFile::database() const {
    return QSqlDatabase::database(connection_, false);
}

void SqliteArchiveFile::close() {
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

SqliteArchiveFile::Attempt SqliteArchiveFile::tryOpen(QString &error) {
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    if (!db.open()) {
        error = db.lastError().text();
        return isDamage(db.lastError()) ? Attempt::Damaged : Attempt::Failed;
    }
    QSqlQuery query(db);
    // Reading the table list finds a file that is no database or whose first pages are
    // damaged; a whole integrity check would read every page, seconds for a large archive,
    // so damage further in is found by the statement that meets it (see startAnew).
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))) {
        error = query.lastError().text();
        return isDamage(query.lastError()) ? Attempt::Damaged : Attempt::Failed;
    }
    query.finish();
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !query.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
        error = query.lastError().text();
        return isDamage(query.lastError()) ? Attempt::Damaged : Attempt::Failed;
    }
    query.finish();
    const ArchiveSchema::Outcome migrated = ArchiveSchema::migrate(db);
    if (!migrated.ok) {
        error = migrated.error;
        return Attempt::Failed;
    }
    return Attempt::Opened;
}

SqliteArchiveFile::Opened SqliteArchiveFile::open(const QDateTime &now) {
    if (isOpen())
        return {true, {}, {}};
    Opened opened;
    const Attempt first = tryOpen(opened.error);
    if (first == Attempt::Opened) {
        opened.ok = true;
        return opened;
    }
    if (first == Attempt::Failed) {
        close();
        return opened;
    }
    return startAnew(now);
}

SqliteArchiveFile::Opened SqliteArchiveFile::startAnew(const QDateTime &now) {
    Opened opened;
    close();
    const QString aside = damagedName(path_, now);
    if (!QFile::rename(path_, aside)) {
        opened.error =
            QStringLiteral("не удалось переименовать ") + QDir::toNativeSeparators(path_);
        return opened;
    }
    opened.keptAsideAs = aside;
    for (const QString &suffix : kCompanionSuffixes)
        if (QFile::exists(path_ + suffix))
            QFile::rename(path_ + suffix, aside + suffix);
    opened.ok = tryOpen(opened.error) == Attempt::Opened;
    if (!opened.ok)
        close();
    return opened;
}

QString SqliteArchiveFile::damagedName(const QString &path, const QDateTime &now) {
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(QStringLiteral("archive-damaged-") +
                                             now.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    QString candidate = stem + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = stem + u'-' + QString::number(n) + QStringLiteral(".sqlite");
    return candidate;
}
