#pragma once

#include <QDateTime>
#include <QString>

class QSqlDatabase;
class QSqlError;

// The archive's local SQLite database ("archive.sqlite" in the working folder), opened on
// first use and created when missing. WAL journal with synchronous=FULL: every commit reaches
// the disk before add() returns, so neither a kill -9 nor a power cut loses a committed record
// (NORMAL would survive the kill but may lose the last commit on a power cut).
//
// A file that is no database, or whose integrity check fails, is kept aside under a dated name
// ("archive-damaged-2026-12-09-1712.sqlite") and a new database started in its place.
class SqliteArchiveFile {
public:
    static constexpr char16_t FileName[] = u"archive.sqlite";

    explicit SqliteArchiveFile(const QString &path);
    ~SqliteArchiveFile();
    SqliteArchiveFile(const SqliteArchiveFile &) = delete;
    SqliteArchiveFile &operator=(const SqliteArchiveFile &) = delete;

    struct Opened {
        bool ok = false;
        QString error;       // why no database could be opened
        QString keptAsideAs; // the damaged file's new path, when one was kept aside
    };
    // Opens the database, bringing its tables to the newest version; `now` names a damaged
    // file. Open already: ok at once.
    Opened open(const QDateTime &now);
    // A statement met damage (isDamage): the file is kept aside and a new database started.
    Opened startAnew(const QDateTime &now);
    bool isOpen() const;
    QSqlDatabase database() const;
    const QString &path() const { return path_; }

    // "archive-damaged-yyyy-MM-dd-HHmm.sqlite" beside `path`, with "-2", "-3"... when taken.
    static QString damagedName(const QString &path, const QDateTime &now);
    // Whether the error says the file is damaged or no database at all.
    static bool isDamage(const QSqlError &error);

private:
    enum class Attempt { Opened, Damaged, Failed };
    Attempt tryOpen(QString &error);
    void close();

    QString path_;
    QString connection_;
};
