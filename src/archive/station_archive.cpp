#include "station_archive.h"

#include "archive_server.h"
#include "archive_sql.h"
#include "clock.h"
#include "pending_records.h"
#include "user_prompts.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

StationArchive::StationArchive(const QString &folder, const Clock &clock, UserPrompts &prompts,
                               QObject *parent)
    : QObject(parent), clock_(clock), prompts_(prompts),
      local_(QDir(folder).filePath(QString::fromUtf16(SqliteArchiveFile::FileName))),
      folder_(folder) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] { sendQueued(); });
}

StationArchive::~StationArchive() = default;

void StationArchive::setServer(const ArchiveServerSettings &settings) {
    server_.reset();
    if (settings.configured())
        server_ = std::make_unique<ArchiveServer>(settings);
    retryMs_ = kFirstRetryMs;
    nextTry_ = {};
    serverAnswered(true);
    if (server_)
        retry_.start(0);
    else
        retry_.stop();
}

bool StationArchive::openLocal() {
    if (local_.isOpen())
        return true;
    return opened(local_.open(clock_.now()));
}

bool StationArchive::opened(const SqliteArchiveFile::Opened &opened) {
    if (!opened.keptAsideAs.isEmpty())
        prompts_.message(QStringLiteral("Архив испытаний поврежден и сохранен как ") +
                         QDir::toNativeSeparators(opened.keptAsideAs) +
                         QStringLiteral("; начат новый архив."));
    return opened.ok;
}

bool StationArchive::storeLocally(const ArchiveRecord &record, QString &error) {
    QSqlError failure;
    if (tryStoreLocally(record, error, failure))
        return true;
    // Damage a statement met: the file is kept aside, and the record goes into a new one.
    return SqliteArchiveFile::isDamage(failure) && opened(local_.startAnew(clock_.now())) &&
           tryStoreLocally(record, error, failure);
}

bool StationArchive::tryStoreLocally(const ArchiveRecord &record, QString &error,
                                     QSqlError &failure) {
    if (!openLocal()) {
        error = QStringLiteral("не удалось открыть ") + QDir::toNativeSeparators(local_.path());
        return false;
    }
    QSqlDatabase db = local_.database();
    if (!db.transaction()) {
        failure = db.lastError();
        error = failure.text();
        return false;
    }
    const ArchiveSql::Inserted inserted = ArchiveSql::insert(db, record);
    bool ok = inserted.outcome != ArchiveSql::InsertOutcome::Failed;
    error = inserted.error;
    failure = inserted.sqlError;
    if (ok && server_) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO outbox (id) VALUES (?) ON CONFLICT DO NOTHING"));
        query.addBindValue(record.id);
        ok = query.exec();
        if (!ok) {
            failure = query.lastError();
            error = failure.text();
        }
    }
    if (ok && db.commit())
        return true;
    if (ok) {
        failure = db.lastError();
        error = failure.text();
    }
    db.rollback();
    return false;
}

void StationArchive::storePending() {
    const PendingRecords::Loaded loaded = PendingRecords::load(folder_);
    if (!loaded.error.isEmpty())
        prompts_.message(
            QString::fromUtf16(PendingUnreadableMessage).arg(pendingPath(), loaded.error));
    for (const ArchiveRecord &record : loaded.records)
        if (!isUnstored(record.id))
            unstored_.append(record);
    QString refused;
    tellNotKept(storeUnstored({}, refused));
}

bool StationArchive::isUnstored(const QString &id) const {
    return std::any_of(unstored_.cbegin(), unstored_.cend(),
                       [&id](const ArchiveRecord &kept) { return kept.id == id; });
}

QString StationArchive::pendingPath() const {
    return QDir::toNativeSeparators(
        QDir(folder_).filePath(QString::fromUtf16(PendingRecords::FileName)));
}

QString StationArchive::notKeptText(const QString &error) const {
    return QString::fromUtf16(PendingNotKeptMessage).arg(pendingPath(), error);
}

void StationArchive::tellNotKept(const QString &error) {
    if (error.isEmpty())
        return;
    QString text = notKeptText(error);
    text[0] = text[0].toUpper();
    prompts_.message(text + u'.');
}

QString StationArchive::storeUnstored(const QString &id, QString &refused) {
    const qsizetype before = unstored_.size();
    for (const ArchiveRecord &next : std::exchange(unstored_, {})) {
        QString error;
        if (!storeLocally(next, error)) {
            unstored_.append(next);
            if (next.id == id)
                refused = error.isEmpty() ? QStringLiteral("ошибка базы данных") : error;
        }
    }
    // The file changes only when records wait or waited before this one.
    if (unstored_.isEmpty() && before <= (id.isEmpty() ? 0 : 1))
        return {};
    return PendingRecords::save(folder_, unstored_);
}

TestArchive::AddResult StationArchive::add(const ArchiveRecord &record) {
    // Records a full disk refused before go first, in their order.
    unstored_.append(record);
    QString refused;
    const QString notKept = storeUnstored(record.id, refused);
    AddResult result;
    result.stored = refused.isEmpty();
    if (!result.stored)
        result.reason =
            notKept.isEmpty() ? refused : refused + QStringLiteral("; ") + notKeptText(notKept);
    else
        tellNotKept(notKept);
    // Sent at once while the server answers or its wait is over; else the timer sends it.
    result.queued = result.stored && server_ && !(serverDue() && sendQueued());
    return result;
}

bool StationArchive::serverDue() const {
    return serverAnswers_ || !nextTry_.isValid() || clock_.now() >= nextTry_;
}

int StationArchive::queuedCount() {
    if (!openLocal())
        return 0;
    QSqlQuery query(local_.database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

bool StationArchive::sendOne(const QString &id) {
    QSqlDatabase local = local_.database();
    const std::optional<ArchiveRecord> record = ArchiveSql::load(local, id);
    if (record) {
        QSqlDatabase db = server_->database();
        if (!db.transaction())
            return false;
        if (ArchiveSql::insert(db, *record).outcome == ArchiveSql::InsertOutcome::Failed ||
            !db.commit()) {
            db.rollback();
            return false;
        }
    }
    QSqlQuery query(local);
    query.prepare(QStringLiteral("DELETE FROM outbox WHERE id = ?"));
    query.addBindValue(id);
    return query.exec();
}

bool StationArchive::sendQueued() {
    if (!server_ || !openLocal())
        return true;
    QStringList ids;
    QSqlQuery query(local_.database());
    if (query.exec(QStringLiteral("SELECT id FROM outbox ORDER BY id")))
        while (query.next())
            ids.append(query.value(0).toString());
    query.finish();
    if (ids.isEmpty())
        return true;
    QString error;
    bool answered = server_->connect(error);
    for (qsizetype at = 0; answered && at < ids.size(); ++at)
        answered = sendOne(ids[at]);
    if (!answered)
        server_->drop();
    serverAnswered(answered);
    return answered;
}

void StationArchive::serverAnswered(bool answered) {
    const bool changed = answered != serverAnswers_;
    serverAnswers_ = answered;
    if (answered) {
        retryMs_ = kFirstRetryMs;
        nextTry_ = {};
    } else {
        nextTry_ = clock_.now().addMSecs(retryMs_);
        retry_.start(retryMs_);
        retryMs_ = std::min(retryMs_ * 2, kLongestRetryMs);
    }
    if (changed)
        Q_EMIT statusChanged();
}

QList<ArchiveSummary> StationArchive::find(const ArchiveFilter &filter) {
    if (server_ && serverDue()) {
        QString error;
        if (server_->connect(error)) {
            QSqlDatabase db = server_->database();
            const ArchiveSql::Found found = ArchiveSql::find(db, filter);
            if (found.ok) {
                serverAnswered(true);
                return found.summaries;
            }
        }
        server_->drop();
        serverAnswered(false);
    }
    if (!openLocal())
        return {};
    QSqlDatabase db = local_.database();
    return ArchiveSql::find(db, filter).summaries;
}

std::optional<ArchiveRecord> StationArchive::record(const QString &id) {
    // The server's copy while it answers; else, or when it has none, the local one.
    if (server_ && serverAnswers_) {
        QString error;
        if (server_->connect(error)) {
            QSqlDatabase db = server_->database();
            if (std::optional<ArchiveRecord> found = ArchiveSql::load(db, id))
                return found;
        }
    }
    if (!openLocal())
        return std::nullopt;
    QSqlDatabase db = local_.database();
    return ArchiveSql::load(db, id);
}

QString StationArchive::statusText() const {
    return server_ && !serverAnswers_ ? QString::fromUtf16(ServerUnreachable) : QString();
}
