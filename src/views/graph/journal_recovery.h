#pragma once

#include "graph_buffer.h"
#include "graph_file.h"
#include "graph_journal.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

// What start-up does with a journal an unclean end left behind, and the names of the files
// a recovered record is kept in.
namespace JournalRecovery {

inline constexpr QStringView kQuestion =
    u"Программа была завершена аварийно. Восстановить несохраненный график ?";
// The journal, in the working folder.
inline constexpr char16_t kJournalName[] = u"\\Graph\\Журнал_записи.jrn";

// What a journal found at start leads to.
enum class Finding {
    Nothing,     // no journal, or one without a sample: it goes quietly
    Recoverable, // samples to offer back (whole, or every whole record before a cut)
    Damaged,     // its beginning is damaged: the file is kept aside and the user told
    Unreadable,  // it cannot be read: it stays where it is and the user is told
};
Finding findingOf(const GraphJournal::Contents &contents);

struct Kept {
    bool ok = false;
    QString path;
    QString error;    // the system's reason when ok is false
    bool cut = false; // a graph file holds only the newest GraphFile::kMaxSamples samples
};

// The record as a graph file "Восстановлен_<date>_<time>.dan" in the folder.
Kept saveAsGraphFile(const QString &folder, const GraphBuffer &buffer,
                     const GraphFile::Header &header, const QDateTime &now);
// The journal's own bytes moved beside it under its name with the date and time added.
Kept moveAside(const QString &journalPath, const QDateTime &now);

} // namespace JournalRecovery
