#include "archive_schema.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

const QString kMigrationFolder = QStringLiteral(":/archive/migrations");

struct Migration {
    int version = 0;
    QString path;
};

QList<Migration> migrations() {
    QList<Migration> found;
    const QStringList names =
        QDir(kMigrationFolder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        found.append({name.section(u'_', 0, 0).toInt(), kMigrationFolder + u'/' + name});
    return found;
}

// The statements of a migration file: split at a semicolon that ends a line; "--" comments
// dropped.
QStringList statementsOf(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList statements;
    QString current;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("--")) || trimmed.isEmpty())
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            statements.append(current.trimmed().chopped(1));
            current.clear();
        }
    }
    return statements;
}

bool isPostgres(const QSqlDatabase &db) {
    return db.driver()->dbmsType() == QSqlDriver::PostgreSQL;
}

ArchiveSchema::Outcome failed(const QSqlError &error) {
    return {false, error.text()};
}

} // namespace

namespace ArchiveSchema {

int latestVersion() {
    const QList<Migration> all = migrations();
    return all.isEmpty() ? 0 : all.last().version;
}

Outcome migrate(QSqlDatabase &db) {
    if (!db.transaction())
        return failed(db.lastError());
    QSqlQuery query(db);
    const auto abandon = [&db](const QSqlError &error) {
        db.rollback();
        return failed(error);
    };
    if (isPostgres(db) && !query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(2027)")))
        return abandon(query.lastError());
    if (!query.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)")) ||
        !query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")))
        return abandon(query.lastError());
    const int reached = query.next() ? query.value(0).toInt() : 0;
    query.finish();
    for (const Migration &migration : migrations()) {
        if (migration.version <= reached)
            continue;
        for (const QString &statement : statementsOf(migration.path))
            if (!query.exec(statement))
                return abandon(query.lastError());
        query.prepare(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"));
        query.addBindValue(migration.version);
        if (!query.exec())
            return abandon(query.lastError());
    }
    if (!db.commit())
        return failed(db.lastError());
    return {true, {}};
}

} // namespace ArchiveSchema
