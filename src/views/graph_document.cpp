#include "graph_document.h"

#include "clock.h"
#include "file_dialogs.h"
#include "graph_chart.h"
#include "graph_export_registry.h"
#include "graph_messages.h"
#include "graph_record_info.h"
#include "graph_recording.h"
#include "journal_recovery.h"
#include "print_service.h"
#include "run_state.h"
#include "services.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QAction>

using GraphMessages::shownPath;

GraphDocument::GraphDocument(RunState &state, const Services &services, GraphRecording &recording,
                             GraphRecorder &recorder, JournalWriter &journal, QWidget *dialogParent,
                             QObject *parent)
    : QObject(parent), state_(state), services_(services), recording_(recording),
      recorder_(recorder), journal_(journal), dialogParent_(dialogParent) {}

void GraphDocument::bindMenu(QAction *open, QAction *save, QAction *print) {
    const std::pair<QAction *, void (GraphDocument::*)()> items[] = {
        {open, &GraphDocument::open}, {save, &GraphDocument::save}, {print, &GraphDocument::print}};
    for (const auto &[action, command] : items) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, command = command] {
            emit showGraphViewRequested();
            (this->*command)();
        });
    }
}

void GraphDocument::save() {
    recording_.BitBtn6Click();
    const QString proposed =
        GraphCaptionText::suggestedFileName(state_.Vehicle.NumberText, services_.clock->now());
    const FileDialogs::TypedSaveChoice choice = services_.fileDialogs->saveFileNameOfType(
        dialogParent_, graphFolder(), GraphExportRegistry::saveFilters(), lastSaveFilter_,
        proposed);
    if (choice.path.isEmpty())
        return;
    lastSaveFilter_ = choice.filter;
    if (writeFile(choice.path, choice.filter))
        state_.Flags.GraphUnsaved = false;
}

// Writes the graph as the type asks. A failure is told with the file and the reason; an old
// file of that name is then left whole.
bool GraphDocument::writeFile(const QString &path, const QString &chosenFilter) {
    const GraphExportSource source{recorder_, recording_.chart(), recording_.captions(),
                                   GraphRecordInfo::fileHeader(recorder_, state_.Vehicle)};
    const GraphExporter::Result result =
        GraphExportRegistry::exporterFor(path, chosenFilter, source)->exportTo(path);
    // The file holds the record: a crash can no longer lose it.
    if (result.holdsRecord)
        journal_.remove();
    if (result.ok && !result.notice.isEmpty())
        tell(result.notice);
    if (!result.ok)
        tell(QStringLiteral("График не сохранен в файл ") + shownPath(path) + QStringLiteral(": ") +
             result.error);
    return result.ok;
}

void GraphDocument::open() {
    recording_.BitBtn6Click();
    if (state_.Flags.GraphUnsaved) {
        switch (services_.prompts->askYesNoCancel(QString::fromUtf16(kGraphUnsavedQuestion))) {
        case UserPrompts::Answer::Yes:
            save();
            return;
        case UserPrompts::Answer::No:
            break;
        default:
            return;
        }
    }
    const QString path = services_.fileDialogs->openFileName(
        dialogParent_, graphFolder(), GraphExportRegistry::openFilter(), QString());
    if (path.isEmpty())
        return;
    GraphFile::ReadResult read = GraphFile::open(path);
    if (read.status == GraphFile::ReadStatus::Unreadable) {
        // The graph on screen stays as it was.
        tell(QStringLiteral("Не удалось прочитать файл ") + shownPath(path) + QStringLiteral(": ") +
             read.error);
        return;
    }
    recorder_.load(std::move(read.samples), read.date, today());
    // The record in the journal is gone; "Запись" starts a journal of the loaded one.
    journal_.remove();
    // A text the load did not reach leaves the one in force.
    state_.Vehicle.NumberText = read.numberText.value_or(state_.Vehicle.NumberText);
    state_.Vehicle.DetailText = read.detailText.value_or(state_.Vehicle.DetailText);
    recording_.UpdateGraphCaptions();
    emit vehicleTextsLoaded();
    if (read.status == GraphFile::ReadStatus::Damaged)
        tell(QStringLiteral("Файл ") + shownPath(path) +
             QStringLiteral(" поврежден; прочитано точек графика: %1.").arg(read.samples.size()));
}

void GraphDocument::clear() {
    if (!shouldAskBeforeClear(recorder_.count()))
        return;
    if (services_.prompts->askYesNoCancel(kClearGraphQuestion.toString()) ==
        UserPrompts::Answer::Yes) {
        recording_.ClearGraph();
        journal_.remove();
    }
}

void GraphDocument::print() {
    recording_.BitBtn6Click();
    // The plot goes on paper white; the screen gets its own colour back whatever happens.
    GraphChart &chart = recording_.chart();
    chart.setPaper(Qt::white);
    QPrinter *printer = services_.printer->choosePrinter(dialogParent_);
    if (printer && !GraphExportRegistry::print(*printer, chart))
        tell(QStringLiteral("Не удалось начать печать графика."));
    chart.restorePaper();
}

void GraphDocument::configure() {
    emit graphOptionsRequested();
}

bool GraphDocument::unsaved() const {
    return state_.Flags.GraphUnsaved;
}

QString GraphDocument::saveRecovered(const QString &folder, const QDateTime &now) {
    if (recorder_.buffer().isEmpty())
        return {};
    const JournalRecovery::Kept kept = JournalRecovery::saveAsGraphFile(
        folder, recorder_.buffer(), GraphRecordInfo::fileHeader(recorder_, state_.Vehicle), now);
    if (kept.ok && !kept.cut) {
        state_.Flags.GraphUnsaved = false;
        journal_.remove();
    }
    return kept.ok ? kept.path : QString();
}

void GraphDocument::closeJournalAtExit(bool userAsked) {
    if (userAsked || !state_.Flags.GraphUnsaved)
        journal_.remove();
    else
        journal_.close();
}

void GraphDocument::tell(const QString &text) {
    services_.prompts->message(text);
}

QString GraphDocument::graphFolder() const {
    return services_.folder->filePath(DataFileNames::GraphFolder);
}

QDate GraphDocument::today() const {
    return services_.clock->now().date();
}
