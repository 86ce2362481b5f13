#include "archive_server.h"

#include "archive_schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

ArchiveServer::ArchiveServer(const ArchiveServerSettings &settings)
    : settings_(settings),
      connection_(QStringLiteral("archive-server-") + QUuid::createUuid().toString()) {}

ArchiveServer::~ArchiveServer() {
    drop();
}

QSqlDatabase ArchiveServer::database() const {
    return QSqlDatabase::database(connection_, false);
}

void ArchiveServer::drop() {
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
    migrated_ = false;
}

bool ArchiveServer::connect(QString &error) {
    if (QSqlDatabase::contains(connection_) && database().isOpen() && migrated_)
        return true;
    drop();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    if (!db.isValid()) {
        error = QStringLiteral("нет драйвера QPSQL");
        db = {};
        drop();
        return false;
    }
    db.setHostName(settings_.host);
    db.setPort(settings_.port);
    db.setDatabaseName(settings_.database);
    db.setUserName(settings_.user);
    db.setPassword(settings_.password);
    db.setConnectOptions(QStringLiteral("connect_timeout=") +
                         QString::number(kConnectTimeoutSeconds));
    if (!db.open()) {
        error = db.lastError().text();
        db = {};
        drop();
        return false;
    }
    // The migrations' "already exists, skipping" notices are no news for the log.
    QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO warning"));
    const ArchiveSchema::Outcome migrated = ArchiveSchema::migrate(db);
    if (!migrated.ok) {
        error = migrated.error;
        db = {};
        drop();
        return false;
    }
    migrated_ = true;
    return true;
}
