#pragma once

#include "archive_record.h"

#include <QList>
#include <QString>

#include <optional>

// The register of tests the report saving writes into and the archive dialog reads. A store
// never blocks a document: add() reports whether the record was taken, and a store that could
// not take it keeps it queued and tries again.
class TestArchive {
public:
    virtual ~TestArchive() = default;

    struct AddResult {
        bool stored = false; // committed (locally or on the server)
        bool queued = false; // kept in the local queue until the server answers
        QString reason;      // why it was neither, for the operator
    };
    virtual AddResult add(const ArchiveRecord &record) = 0;

    // Newest first.
    virtual QList<ArchiveSummary> find(const ArchiveFilter &filter) = 0;
    virtual std::optional<ArchiveRecord> record(const QString &id) = 0;

    // The status line's text about the archive: empty while everything is stored, else e.g.
    // "Архив: нет связи с сервером".
    virtual QString statusText() const = 0;
};
