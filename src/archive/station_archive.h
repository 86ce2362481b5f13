#pragma once

#include "archive_server_settings.h"
#include "sqlite_archive_file.h"
#include "test_archive.h"

#include <QObject>
#include <QTimer>

#include <memory>

class ArchiveServer;
class QSqlError;
class Clock;
class UserPrompts;

// The archive of one post: every record goes first into the local SQLite file, in one
// transaction with its place in the queue ("outbox") when a station server is set; the queue
// is then sent to the server, record by record, each committed there before it leaves the
// queue. A record the server already has (sent before an answer was lost) is not stored twice.
//
// While the server does not answer, the status says ServerUnreachable and the queue is tried
// again by a timer, less often the longer the server stays away (kFirstRetryMs doubling up to
// kLongestRetryMs), and with the next record added once that wait is over. The list and the
// records are read from the server while it answers, else from the local file.
class StationArchive : public QObject, public TestArchive {
    Q_OBJECT

public:
    static constexpr char16_t ServerUnreachable[] = u"Архив: нет связи с сервером";
    // A record the local file refused, when the file that keeps it for the next run cannot be
    // written either: it is lost at exit. %1 the file, %2 the system's reason.
    static constexpr char16_t PendingNotKeptMessage[] =
        u"после выхода из программы запись в архив повторена не будет: не записан файл %1 (%2)";
    static constexpr char16_t PendingUnreadableMessage[] =
        u"Не прочитан файл %1 с испытаниями, не записанными в архив: %2.";
    static constexpr int kFirstRetryMs = 5000;
    static constexpr int kLongestRetryMs = 120000;

    // `folder`: the working folder, which holds archive.sqlite. Messages (a damaged file kept
    // aside) go to `prompts`.
    StationArchive(const QString &folder, const Clock &clock, UserPrompts &prompts,
                   QObject *parent = nullptr);
    ~StationArchive() override;

    // The station server to send to, or none (settings without a host).
    void setServer(const ArchiveServerSettings &settings);

    // Stores the records an earlier run could not store even locally and kept in the working
    // folder's PendingRecords file; the operator is told when that file cannot be read. Called
    // once at start-up.
    void storePending();

    AddResult add(const ArchiveRecord &record) override;
    QList<ArchiveSummary> find(const ArchiveFilter &filter) override;
    std::optional<ArchiveRecord> record(const QString &id) override;
    QString statusText() const override;

    // Sends what the queue holds now; true when it is empty afterwards. The retry timer
    // calls it; so may anybody who knows the server is back.
    bool sendQueued();
    // Records the local file holds for the server.
    int queuedCount();

Q_SIGNALS:
    void statusChanged();

private:
    bool openLocal();
    bool opened(const SqliteArchiveFile::Opened &opened);
    // Stores the records waiting, in their order; those the local file refuses again stay and
    // are kept in the PendingRecords file. `refused`: why the record `id` was refused, else
    // untouched. Returns why the file could not be written; empty when it was (or unchanged).
    QString storeUnstored(const QString &id, QString &refused);
    bool isUnstored(const QString &id) const;
    QString pendingPath() const;
    QString notKeptText(const QString &error) const;
    void tellNotKept(const QString &error);
    bool storeLocally(const ArchiveRecord &record, QString &error);
    bool tryStoreLocally(const ArchiveRecord &record, QString &error, QSqlError &failure);
    bool sendOne(const QString &id);
    void serverAnswered(bool answered);
    bool serverDue() const;

    const Clock &clock_;
    UserPrompts &prompts_;
    SqliteArchiveFile local_;
    std::unique_ptr<ArchiveServer> server_;
    const QString folder_;
    // Records the local file could not take (a full disk): tried again with the next add, and
    // kept in the PendingRecords file for the next run.
    QList<ArchiveRecord> unstored_;
    QTimer retry_;
    int retryMs_ = kFirstRetryMs;
    bool serverAnswers_ = true;
    QDateTime nextTry_;
};
