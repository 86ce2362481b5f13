#pragma once

#include "archive_server_settings.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of its own for a test or a benchmark: a cluster made with initdb in a
// temporary folder, listening on 127.0.0.1 at a free port, with one database and a user that
// logs in without a password. The server refuses to run as root, so when the caller is root
// the server's programs run as "nobody" (runuser), in a folder everybody may enter.
// The destructor stops the server and removes the folder.
class PostgresServer {
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // The server's programs (initdb, pg_ctl): empty when PostgreSQL is not installed.
    static QString binFolder();

    // Makes the cluster and starts it with an empty database; false with the reason in error().
    bool create();
    bool start();
    bool stop();
    bool running() const { return running_; }

    // Where an archive reaches the database.
    ArchiveServerSettings settings() const;
    // A connection of the caller's own to the database, named `connection` and opened when the
    // server answers; the caller removes it (QSqlDatabase::removeDatabase) once done with it.
    QSqlDatabase open(const QString &connection) const;
    const QString &error() const { return error_; }

private:
    bool run(const QString &program, const QStringList &arguments, int timeoutMs);

    QTemporaryDir folder_;
    QString data_;
    int port_ = 0;
    bool running_ = false;
    QString error_;
};
