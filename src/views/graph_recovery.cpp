#include "graph_recovery.h"

#include "clock.h"
#include "graph_messages.h"
#include "graph_record_info.h"
#include "graph_recorder.h"
#include "graph_settings.h"
#include "journal_recovery.h"
#include "journal_writer.h"
#include "regular_file.h"
#include "run_state.h"
#include "services.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QFileInfo>

using GraphMessages::shownPath;

GraphRecovery::GraphRecovery(RunState &state, const Services &services, GraphRecorder &recorder,
                             JournalWriter &journal, QObject *parent)
    : QObject(parent), state_(state), services_(services), recorder_(recorder), journal_(journal) {}

void GraphRecovery::offerRecovery() {
    if (!RegularFile::isRegular(journal_.path()))
        return;
    const GraphJournal::Contents journal = GraphJournal::read(journal_.path());
    const QDateTime now = services_.clock->now();
    switch (JournalRecovery::findingOf(journal)) {
    case JournalRecovery::Finding::Nothing:
        journal_.remove();
        return;
    case JournalRecovery::Finding::Unreadable:
        tell(QStringLiteral("Не удалось прочитать журнал графика ") + shownPath(journal_.path()) +
             QStringLiteral(": ") + journal.error);
        return;
    case JournalRecovery::Finding::Damaged:
        keepDamagedJournal(now);
        return;
    case JournalRecovery::Finding::Recoverable:
        break;
    }
    if (services_.prompts->askYesNo(JournalRecovery::kQuestion.toString()) ==
        UserPrompts::Answer::Yes)
        restoreJournal(journal, now);
    else
        keepDeclinedJournal(journal, now);
}

void GraphRecovery::restoreJournal(const GraphJournal::Contents &journal, const QDateTime &now) {
    recorder_.restore(journal, now.date());
    state_.Vehicle.NumberText = journal.info.numberText;
    state_.Vehicle.DetailText = journal.info.detailText;
    state_.Flags.GraphUnsaved = true;
    // A fresh journal of the record now held: a cut-off end goes, and the samples to come
    // follow whole records.
    GraphMessages::tellJournalOutcome(
        *services_.prompts, journal_,
        journal_.rewrite(recorder_.buffer(),
                         GraphRecordInfo::journalInfo(recorder_, state_.Vehicle), now));
    emit showGraphViewRequested();
}

// Nothing is thrown away: the record goes into a graph file; the journal itself is kept
// too when the graph file cannot hold every sample, and stays where it is when the graph
// file cannot be written (the next start asks again).
void GraphRecovery::keepDeclinedJournal(const GraphJournal::Contents &journal,
                                        const QDateTime &now) {
    GraphBuffer record(GraphSettings::fullScales(state_.Settings));
    GraphJournal::appendTo(record, journal);
    const QDate date = journal.info.date.isValid() ? journal.info.date : now.date();
    const JournalRecovery::Kept kept = JournalRecovery::saveAsGraphFile(
        services_.folder->filePath(DataFileNames::GraphFolder), record,
        {date, journal.info.numberText, journal.info.detailText}, now);
    if (!kept.ok) {
        tell(QStringLiteral("Не удалось записать несохраненный график в файл ") +
             shownPath(kept.path) + QStringLiteral(": ") + kept.error +
             QStringLiteral(". Журнал графика оставлен в файле ") + shownPath(journal_.path()) +
             u'.');
        return;
    }
    QString text = QStringLiteral("Несохраненный график записан в файл ") + shownPath(kept.path);
    if (!kept.cut) {
        journal_.remove();
        tell(text + u'.');
        return;
    }
    const JournalRecovery::Kept all = JournalRecovery::moveAside(journal_.path(), now);
    text += QStringLiteral(" (последние %1 точек из %2). Журнал графика со всеми точками ")
                .arg(GraphFile::kMaxSamples)
                .arg(record.count());
    text += all.ok ? QStringLiteral("сохранен в файле ") + shownPath(all.path) + u'.'
                   : QStringLiteral("оставлен в файле ") + shownPath(journal_.path()) + u'.';
    tell(text);
}

void GraphRecovery::keepDamagedJournal(const QDateTime &now) {
    const JournalRecovery::Kept kept = JournalRecovery::moveAside(journal_.path(), now);
    QString text = QStringLiteral("Журнал графика поврежден, восстановить график из него нельзя. ");
    text += kept.ok ? QStringLiteral("Журнал сохранен в файле ") + shownPath(kept.path) + u'.'
                    : QStringLiteral("Журнал оставлен в файле ") + shownPath(journal_.path()) +
                          QStringLiteral(": ") + kept.error;
    tell(text);
}

void GraphRecovery::tell(const QString &text) {
    services_.prompts->message(text);
}
