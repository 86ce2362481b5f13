#pragma once

#include "side_document.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class GraphChart;
class GraphRecorder;
class GraphRecording;
class JournalWriter;
class QAction;
class QWidget;
struct RunState;
struct Services;

// The graph as a document: the graph's side of the side panel's shared buttons (save, open,
// clear, print, configure), the menu's "Открыть график", "Сохранить график" and "Печать
// графика", the close question's unsaved() and the graph file kept when the program is ended
// from outside. Every file type and the printer go through GraphExportRegistry.
class GraphDocument : public QObject, public SideDocument {
    Q_OBJECT

public:
    GraphDocument(RunState &state, const Services &services, GraphRecording &recording,
                  GraphRecorder &recorder, JournalWriter &journal, QWidget *dialogParent,
                  QObject *parent = nullptr);

    // "Открыть график", "Сохранить график", "Печать графика": the graph view first.
    void bindMenu(QAction *open, QAction *save, QAction *print);

    // SideDocument
    void save() override;      // stops, asks where, writes by type; a failure is told
    void open() override;      // stops, offers to save unsaved work, reads a graph file
    void clear() override;     // asks before erasing two samples or more
    void print() override;     // one landscape page, the plot white on paper
    void configure() override; // graphOptionsRequested
    bool unsaved() const override;
    // The record as a graph file "Восстановлен_<date>_<time>.dan" in graphFolder, never
    // replacing a file; returns its path, or an empty string when it could not be written.
    // When every sample went into it, GraphUnsaved is cleared and the journal removed. An
    // empty record writes nothing.
    QString saveRecovered(const QString &graphFolder, const QDateTime &now) override;

    // The end of the program. After the user was asked (or had nothing to be asked about),
    // the journal goes; when the program is ended from outside with the graph unsaved, it
    // stays, on the disk, for the next start.
    void closeJournalAtExit(bool userAsked);

signals:
    // Before the menu's open, save and print.
    void showGraphViewRequested();
    // "Настроить": the options at "График".
    void graphOptionsRequested();
    // A graph file brought its vehicle texts: the report follows.
    void vehicleTextsLoaded();

private:
    bool writeFile(const QString &path, const QString &chosenFilter);
    void tell(const QString &text);
    QString graphFolder() const;
    QDate today() const;

    RunState &state_;
    const Services &services_;
    GraphRecording &recording_;
    GraphRecorder &recorder_;
    JournalWriter &journal_;
    QWidget *dialogParent_;
    // The type the save dialog showed last; it opens with it again.
    QString lastSaveFilter_;
};
