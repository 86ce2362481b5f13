#include "graph_messages.h"

#include "user_prompts.h"

#include <QDir>

namespace GraphMessages {

QString shownPath(const QString &path) {
    return QDir::toNativeSeparators(path);
}

void tellJournalOutcome(UserPrompts &prompts, const JournalWriter &journal,
                        JournalWriter::Outcome outcome) {
    if (outcome == JournalWriter::Outcome::FirstFailure)
        prompts.message(QStringLiteral("Не удалось записать журнал графика ") +
                        shownPath(journal.path()) + QStringLiteral(": ") + journal.lastError() +
                        QStringLiteral(". При аварийном завершении программы несохраненный "
                                       "график будет потерян."));
}

} // namespace GraphMessages
