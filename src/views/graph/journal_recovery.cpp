#include "journal_recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace JournalRecovery {

namespace {
// More names than any folder will hold for one minute; past them the last one is used.
constexpr int kMaxNumberedNames = 1000;
} // namespace

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

QString freePath(const QString &folder, QStringView stem, const QDateTime &now,
                 QStringView extension) {
    const QString base = QDir(folder).filePath(stem.toString() + u'_' +
                                               now.toString(QStringLiteral("yyyy-MM-dd_hh-mm")));
    const QString suffix = extension.toString();
    QString path = base + suffix;
    for (int n = 2; QFileInfo::exists(path) && n <= kMaxNumberedNames; ++n)
        path = base + u'_' + QString::number(n) + suffix;
    return path;
}

Kept saveAsGraphFile(const QString &folder, const GraphBuffer &buffer,
                     const GraphFile::Header &header, const QDateTime &now) {
    Kept kept;
    kept.path = freePath(folder, kRecoveredStem, now, u".dan");
    const GraphFile::WriteResult written = GraphFile::save(kept.path, buffer, header);
    kept.ok = written.ok;
    kept.error = written.error;
    kept.cut = written.cut;
    return kept;
}

Kept moveAside(const QString &journalPath, const QDateTime &now) {
    const QFileInfo journal(journalPath);
    Kept kept;
    kept.path = freePath(journal.absolutePath(), journal.completeBaseName(), now,
                         QString(u'.' + journal.suffix()));
    QFile file(journalPath);
    kept.ok = file.rename(kept.path);
    if (!kept.ok)
        kept.error = file.errorString();
    return kept;
}

} // namespace JournalRecovery
