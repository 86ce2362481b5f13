#pragma once

#include "graph_journal.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

// Keeps the graph journal of the record being made (see graph_journal.h).
//
// Each sample costs one write call: the sample record, after a drop record when the full
// record let go of its oldest samples and after a context record when the date, the vehicle
// texts or the full scales changed. The file is unbuffered, so a written record is with the
// system at once and survives the end of the program; it reaches the disk itself (against a
// power cut) at the first sample five seconds or more after the last time, and at sync().
//
// A journal starts as a snapshot of the whole record, written through SafeFile, and is
// appended to from then on. It is written anew from the record when none is open (the first
// sample after a save, a clear or an opened file) and when the records of samples the full
// record has dropped outnumber half the record (so it never holds much more than the record).
// After a failed write the journal is closed and written anew at the first sample five
// seconds or more later.
class JournalWriter {
public:
    static constexpr qint64 kSyncIntervalMs = 5000;

    enum class Outcome {
        Written,      // or nothing to write
        Failed,       // the journal could not be written, as at the last attempt
        FirstFailure, // the journal could not be written after it could: worth telling
    };

    // What the writer did, for the tests and the benchmark.
    struct Counters {
        int writeCalls = 0; // appends
        int syncs = 0;      // flush and fsync
        int rewrites = 0;   // fresh journals
    };

    explicit JournalWriter(QString path);

    const QString &path() const { return path_; }
    bool isOpen() const { return file_.isOpen(); }
    const QString &lastError() const { return lastError_; }
    const Counters &counters() const { return counters_; }

    // After TimerGRP took a sample (the newest of the buffer), with the oldest samples the
    // full record let go of in the same tick.
    Outcome sampleTaken(const GraphBuffer &buffer, int droppedOldest,
                        const GraphJournal::RecordInfo &info, const QDateTime &now);
    // The date or the vehicle texts changed, or the full scales did: an open journal gets a
    // context record, if it differs from the one in force.
    Outcome infoChanged(const GraphBuffer &buffer, const GraphJournal::RecordInfo &info,
                        const QDateTime &now);
    // A fresh journal holding the whole record, open for the samples to come.
    Outcome rewrite(const GraphBuffer &buffer, const GraphJournal::RecordInfo &info,
                    const QDateTime &now);
    // What was written reaches the disk now ("Останов", a full record stopping).
    void sync(const QDateTime &now);
    // Closes and deletes the journal (a save, a clear, an opened file, a normal end). False
    // when a journal is still there.
    bool remove();
    // Closes the journal, on the disk, and leaves it for the next start.
    void close();

private:
    Outcome append(const QByteArray &bytes, const QDateTime &now);
    // The context record for these, when it differs from the one in force; empty otherwise.
    QByteArray changedContext(const GraphJournal::RecordInfo &info, const FullScales &scales);
    Outcome failed(const QString &error, const QDateTime &now);
    bool needsRewrite(const GraphBuffer &buffer) const;
    void syncIfDue(const QDateTime &now);
    void syncNow(const QDateTime &now);
    void forget();

    QString path_;
    QFile file_;
    QString lastError_;
    Counters counters_;
    QByteArray contextInForce_; // the last context record written
    // What contextInForce_ was made from, so an unchanged context is not encoded again.
    GraphJournal::RecordInfo infoInForce_;
    FullScales scalesInForce_{};
    int records_ = 0; // records in the file after the magic
    bool unsynced_ = false;
    QDateTime lastSync_;
    bool failing_ = false;
    QDateTime failedAt_;
};
