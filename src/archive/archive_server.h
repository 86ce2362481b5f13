#pragma once

#include "archive_server_settings.h"

#include <QString>

class QSqlDatabase;

// The connection to the station's PostgreSQL server (QPSQL). Connecting waits at most
// kConnectTimeoutSeconds, so an unreachable server holds the window up only briefly; a
// connection that failed a statement is dropped and made anew at the next use.
class ArchiveServer {
public:
    static constexpr int kConnectTimeoutSeconds = 3;

    explicit ArchiveServer(const ArchiveServerSettings &settings);
    ~ArchiveServer();
    ArchiveServer(const ArchiveServer &) = delete;
    ArchiveServer &operator=(const ArchiveServer &) = delete;

    // Connected, with the tables at the newest version; else the reason in `error`.
    bool connect(QString &error);
    void drop();
    QSqlDatabase database() const;

private:
    ArchiveServerSettings settings_;
    QString connection_;
    bool migrated_ = false;
};
