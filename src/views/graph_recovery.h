#pragma once

#include "graph_journal.h"

#include <QDateTime>
#include <QObject>

class GraphRecorder;
class JournalWriter;
struct RunState;
struct Services;

// The graph's recovery at start: the journal an unclean end left behind is offered back, or
// kept aside when it is declined or damaged, so nothing recorded is thrown away.
class GraphRecovery : public QObject {
    Q_OBJECT

public:
    GraphRecovery(RunState &state, const Services &services, GraphRecorder &recorder,
                  JournalWriter &journal, QObject *parent = nullptr);

    // Start-up, once the settings are read and before the link starts: a journal an unclean
    // end left behind is offered back with JournalRecovery::kQuestion. Yes: the record, its
    // date and vehicle texts come back, GraphUnsaved is set and the graph view is shown
    // (the captions and the report follow in the next start-up step). No: the record is
    // kept aside as a graph file "Восстановлен_<date>_<time>.dan" in Graph and the user is
    // told its name. A journal whose beginning is damaged is kept aside under a dated name,
    // and the user is told which.
    void offerRecovery();

signals:
    // The record came back.
    void showGraphViewRequested();

private:
    void restoreJournal(const GraphJournal::Contents &journal, const QDateTime &now);
    void keepDeclinedJournal(const GraphJournal::Contents &journal, const QDateTime &now);
    void keepDamagedJournal(const QDateTime &now);
    void tell(const QString &text);

    RunState &state_;
    const Services &services_;
    GraphRecorder &recorder_;
    JournalWriter &journal_;
};
