#include "postgres_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString kDatabase = QStringLiteral("velantar");
const QString kUser = QStringLiteral("velantar");

// A port nobody listens on now: the one the kernel gives a socket bound to port 0.
int freePort() {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        ::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(socket);
    return port;
}

} // namespace

PostgresServer::PostgresServer() : port_(freePort()) {}

PostgresServer::~PostgresServer() {
    if (running_)
        stop();
}

QString PostgresServer::binFolder() {
    // Debian keeps the server's programs out of PATH, one folder per major version.
    const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql"))
                                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (qsizetype at = versions.size() - 1; at >= 0; --at) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(versions[at]);
        if (QFile::exists(bin + QStringLiteral("/initdb")))
            return bin;
    }
    return {};
}

bool PostgresServer::run(const QString &program, const QStringList &arguments, int timeoutMs) {
    QString command = binFolder() + u'/' + program;
    QStringList all = arguments;
    if (geteuid() == 0) {
        all = QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"),
                          command} +
              arguments;
        command = QStringLiteral("runuser");
    }
    QProcess process;
    process.setWorkingDirectory(folder_.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command, all);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        error_ = program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll());
        return false;
    }
    return true;
}

bool PostgresServer::create() {
    if (binFolder().isEmpty()) {
        error_ = QStringLiteral("PostgreSQL is not installed (package postgresql)");
        return false;
    }
    if (!folder_.isValid() || port_ == 0) {
        error_ = QStringLiteral("no temporary folder or free port");
        return false;
    }
    // The server's user must reach and write its folder.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::WriteOther |
                                              QFile::ExeOther | QFile::ReadGroup |
                                              QFile::WriteGroup | QFile::ExeGroup);
    data_ = folder_.filePath(QStringLiteral("data"));
    return run(QStringLiteral("initdb"),
               {QStringLiteral("-D"), data_, QStringLiteral("-U"), kUser,
                QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                QStringLiteral("--no-sync"), QStringLiteral("--locale=C")},
               120000) &&
           start() &&
           run(QStringLiteral("createdb"),
               {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                QString::number(port_), QStringLiteral("-U"), kUser, kDatabase},
               60000);
}

bool PostgresServer::start() {
    // Durability is not what is tested: fsync off keeps the runs short.
    const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 "
                                           "-c fsync=off -c max_connections=40")
                                .arg(port_)
                                .arg(folder_.path());
    running_ = run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), data_, QStringLiteral("-l"),
                    folder_.filePath(QStringLiteral("server.log")), QStringLiteral("-o"), options,
                    QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
                    QStringLiteral("start")},
                   90000);
    return running_;
}

bool PostgresServer::stop() {
    const bool stopped = run(QStringLiteral("pg_ctl"),
                             {QStringLiteral("-D"), data_, QStringLiteral("-m"),
                              QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("-t"),
                              QStringLiteral("60"), QStringLiteral("stop")},
                             90000);
    running_ = running_ && !stopped;
    return stopped;
}

ArchiveServerSettings PostgresServer::settings() const {
    return {QStringLiteral("127.0.0.1"), port_, kDatabase, kUser, {}};
}

QSqlDatabase PostgresServer::open(const QString &connection) const {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(QStringLiteral("127.0.0.1"));
    db.setPort(port_);
    db.setDatabaseName(kDatabase);
    db.setUserName(kUser);
    db.open();
    return db;
}
