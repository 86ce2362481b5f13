#include "journal_recovery.h"

#include "recovered_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace JournalRecovery {

Finding findingOf(const GraphJournal::Contents &contents) {
    switch (contents.status) {
    case GraphJournal::ReadStatus::Unreadable:
        return Finding::Unreadable;
    case GraphJournal::ReadStatus::BadHeader:
        return Finding::Damaged;
    case GraphJournal::ReadStatus::Empty:
        return Finding::Nothing;
    case GraphJournal::ReadStatus::Ok:
    case GraphJournal::ReadStatus::Cut:
        break;
    }
    return contents.samples.empty() ? Finding::Nothing : Finding::Recoverable;
}

Kept saveAsGraphFile(const QString &folder, const GraphBuffer &buffer,
                     const GraphFile::Header &header, const QDateTime &now) {
    Kept kept;
    kept.path = RecoveredFiles::pathFor(folder, now, u".dan");
    const GraphFile::WriteResult written = GraphFile::save(kept.path, buffer, header);
    kept.ok = written.ok;
    kept.error = written.error;
    kept.cut = written.cut;
    return kept;
}

Kept moveAside(const QString &journalPath, const QDateTime &now) {
    const QFileInfo journal(journalPath);
    Kept kept;
    kept.path = RecoveredFiles::numberedPath(journal.absolutePath(), journal.completeBaseName(),
                                             now, QString(u'.' + journal.suffix()));
    QFile file(journalPath);
    kept.ok = file.rename(kept.path);
    if (!kept.ok)
        kept.error = file.errorString();
    return kept;
}

} // namespace JournalRecovery
