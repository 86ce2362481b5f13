#include "journal_writer.h"

#include "file_sync.h"
#include "regular_file.h"
#include "safe_file.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// `now` lies less than the interval after `since`; false when the clock was set back.
bool within(const QDateTime &since, const QDateTime &now, qint64 intervalMs) {
    if (!since.isValid() || !now.isValid())
        return false;
    const qint64 elapsed = since.msecsTo(now);
    return elapsed >= 0 && elapsed < intervalMs;
}

} // namespace

JournalWriter::JournalWriter(QString path) : path_(std::move(path)) {}

JournalWriter::Outcome JournalWriter::sampleTaken(const GraphBuffer &buffer, int droppedOldest,
                                                  const GraphJournal::RecordInfo &info,
                                                  const QDateTime &now) {
    if (buffer.isEmpty())
        return Outcome::Written;
    if (!isOpen() || needsRewrite(buffer)) {
        if (failing_ && within(failedAt_, now, kSyncIntervalMs))
            return Outcome::Failed;
        return rewrite(buffer, info, now);
    }
    const int newest = buffer.count() - 1;
    QByteArray bytes;
    if (droppedOldest > 0) {
        bytes += GraphJournal::dropRecord(droppedOldest);
        ++records_;
    }
    const QByteArray context = changedContext(info, buffer.recordedScales(newest));
    if (!context.isEmpty()) {
        bytes += context;
        ++records_;
    }
    bytes += GraphJournal::sampleRecord(buffer.reading(newest), buffer.msecsOfDay(newest));
    ++records_;
    return append(bytes, now);
}

JournalWriter::Outcome JournalWriter::infoChanged(const GraphBuffer &buffer,
                                                  const GraphJournal::RecordInfo &info,
                                                  const QDateTime &now) {
    if (!isOpen())
        return Outcome::Written;
    const QByteArray context = changedContext(info, buffer.fullScales());
    if (context.isEmpty())
        return Outcome::Written;
    ++records_;
    return append(context, now);
}

JournalWriter::Outcome JournalWriter::rewrite(const GraphBuffer &buffer,
                                              const GraphJournal::RecordInfo &info,
                                              const QDateTime &now) {
    forget();
    ++counters_.rewrites;
    const GraphJournal::Snapshot snapshot = GraphJournal::snapshot(buffer, info);
    const SafeFile::WriteResult written = SafeFile::write(path_, snapshot.bytes);
    if (!written.ok)
        return failed(written.error, now);
    file_.setFileName(path_);
    QString error;
    if (!RegularFile::openForWriting(
            file_, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered, &error))
        return failed(error, now);
    contextInForce_ = snapshot.lastContext;
    infoInForce_ = info;
    scalesInForce_ = buffer.fullScales();
    records_ = snapshot.records;
    syncNow(now);
    if (!isOpen())
        return failed(lastError_, now);
    failing_ = false;
    return Outcome::Written;
}

void JournalWriter::sync(const QDateTime &now) {
    if (isOpen() && unsynced_)
        syncNow(now);
}

bool JournalWriter::remove() {
    forget();
    failing_ = false;
    // Only the journal itself goes, never a pipe or device put in its place.
    if (RegularFile::isRegular(path_))
        QFile::remove(path_);
    return !QFileInfo::exists(path_);
}

void JournalWriter::close() {
    sync(QDateTime());
    forget();
}

JournalWriter::Outcome JournalWriter::append(const QByteArray &bytes, const QDateTime &now) {
    ++counters_.writeCalls;
    if (file_.write(bytes) != bytes.size())
        return failed(file_.errorString(), now);
    unsynced_ = true;
    syncIfDue(now);
    return isOpen() ? Outcome::Written : failed(lastError_, now);
}

// The journal is closed, so that a later sample writes it anew from the record; a journal
// cut off inside a record still gives every whole record before it.
JournalWriter::Outcome JournalWriter::failed(const QString &error, const QDateTime &now) {
    lastError_ = error;
    forget();
    failedAt_ = now;
    const bool first = !failing_;
    failing_ = true;
    return first ? Outcome::FirstFailure : Outcome::Failed;
}

void JournalWriter::forget() {
    file_.close();
    contextInForce_.clear();
    records_ = 0;
    unsynced_ = false;
}

QByteArray JournalWriter::changedContext(const GraphJournal::RecordInfo &info,
                                         const FullScales &scales) {
    if (!contextInForce_.isEmpty() && scales == scalesInForce_ && info.date == infoInForce_.date &&
        info.numberText == infoInForce_.numberText && info.detailText == infoInForce_.detailText)
        return {};
    const QByteArray context = GraphJournal::contextRecord(info, scales);
    infoInForce_ = info;
    scalesInForce_ = scales;
    if (context == contextInForce_)
        return {};
    contextInForce_ = context;
    return context;
}

bool JournalWriter::needsRewrite(const GraphBuffer &buffer) const {
    const int held = buffer.count();
    return records_ > held + std::max(held / 2, 1024);
}

void JournalWriter::syncIfDue(const QDateTime &now) {
    if (unsynced_ && !within(lastSync_, now, kSyncIntervalMs))
        syncNow(now);
}

// A failed sync closes the journal: what it holds on the disk is no longer known.
void JournalWriter::syncNow(const QDateTime &now) {
    ++counters_.syncs;
    if (!FileSync::toDisk(file_, &lastError_)) {
        file_.close();
        return;
    }
    unsynced_ = false;
    lastSync_ = now;
}
