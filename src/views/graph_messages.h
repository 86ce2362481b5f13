#pragma once

#include "journal_writer.h"

#include <QString>

class UserPrompts;

// What the graph tells the user about its files, shared by the recording, the document and
// the recovery at start.
namespace GraphMessages {

// A path as the user reads it (native separators).
QString shownPath(const QString &path);

// The journal failing is told once, when it stops working; recording goes on in memory.
void tellJournalOutcome(UserPrompts &prompts, const JournalWriter &journal,
                        JournalWriter::Outcome outcome);

} // namespace GraphMessages
