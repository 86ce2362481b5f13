#include "graph_view.h"

#include "bgr_color.h"
#include "clock.h"
#include "file_dialogs.h"
#include "graph_bitmap_exporter.h"
#include "graph_file.h"
#include "graph_metafile_exporter.h"
#include "graph_printer.h"
#include "graph_text_export.h"
#include "journal_recovery.h"
#include "print_service.h"
#include "run_state.h"
#include "services.h"
#include "side_document.h"
#include "user_prompts.h"
#include "view_ids.h"
#include "working_folder.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QString shownPath(const QString &path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

GraphView::GraphView(RunState &state, const Services &services, QTimer &timerGRP,
                     const Controls &controls, Hooks hooks, QObject *parent)
    : QObject(parent), state_(state), services_(services), timer_(timerGRP),
      dialogParent_(controls.dialogParent),
      recordButton_(controls.sidePanel->findChild<QPushButton *>(QStringLiteral("BitBtn7"))),
      stopButton_(controls.sidePanel->findChild<QPushButton *>(QStringLiteral("BitBtn6"))),
      hooks_(std::move(hooks)), recorder_(recorderSettings(), fullScales()),
      chart_(controls.chart, recorder_, this),
      journal_(services.folder->filePath(JournalRecovery::kJournalName)) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const QString number = QString::number(channel + 1);
        channelBoxes_ << controls.sidePanel->findChild<QCheckBox *>(QStringLiteral("CheckBox") +
                                                                    number);
        valueBoxes_ << controls.sidePanel->findChild<QLineEdit *>(QStringLiteral("Edit") + number);
        connect(channelBoxes_[channel], &QCheckBox::toggled, this,
                [this, channel](bool shown) { channelToggled(channel, shown); });
    }
    connect(&timer_, &QTimer::timeout, this, &GraphView::TimerGRPTimer);
    connect(recordButton_, &QPushButton::clicked, this, &GraphView::BitBtn7Click);
    connect(stopButton_, &QPushButton::clicked, this, &GraphView::BitBtn6Click);
    connect(&chart_, &GraphChart::clicked, this, &GraphView::readOutAt);
    connect(&chart_, &GraphChart::legendClicked, this, [this] {
        if (hooks_.openControlOptions)
            hooks_.openControlOptions();
    });
}

void GraphView::bindMenu(QAction *open, QAction *save, QAction *print) {
    const std::pair<QAction *, void (GraphView::*)()> items[] = {
        {open, &GraphView::open}, {save, &GraphView::save}, {print, &GraphView::print}};
    for (const auto &[action, command] : items) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, command = command] {
            if (hooks_.showGraphView)
                hooks_.showGraphView();
            (this->*command)();
        });
    }
}

// ---- Settings --------------------------------------------------------------------------

RecorderSettings GraphView::recorderSettings() const {
    return RecorderSettings::fromAppSettings(state_.Settings);
}

FullScales GraphView::fullScales() const {
    FullScales scales{};
    for (int channel = 0; channel < kChannelCount; ++channel)
        scales[channel] = ChannelScale::guarded(channel, state_.Settings.FullScale[channel]);
    return scales;
}

GraphChart::Look GraphView::lookFromSettings() const {
    const AppSettings &s = state_.Settings;
    const FullScales scales = fullScales();
    GraphChart::Look look;
    look.paper = colorFromBgr(s.GraphBackColor);
    look.lineWidth = s.LineWidth;
    look.legendVisible = s.LegendHidden == 0;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        look.channelColours[channel] = colorFromBgr(s.ChannelColor[channel]);
        look.hidden[channel] = s.ChannelHidden[channel] != 0;
        look.titles[channel] = ChannelScale::legendTitle(channel, scales[channel]);
    }
    return look;
}

void GraphView::applyScaleAtStart() {
    recorder_ = GraphRecorder(recorderSettings(), fullScales());
    recorder_.clear(today());
    applyLook();
}

void GraphView::applySettings() {
    timer_.setInterval(state_.Settings.ViewInterval[2]);
    recorder_.applyOptions(recorderSettings());
    recorder_.setFullScales(fullScales());
    for (int channel = 0; channel < kChannelCount; ++channel)
        channelBoxes_[channel]->setChecked(state_.Settings.ChannelHidden[channel] == 0);
    applyLook();
}

void GraphView::applyLook() {
    chart_.setLook(lookFromSettings());
}

void GraphView::channelToggled(int channel, bool shown) {
    state_.Store.set(&AppSettings::ChannelHidden, channel, shown ? 0 : 1);
    chart_.setChannelVisible(channel, shown);
}

// ---- Recording -------------------------------------------------------------------------

void GraphView::TimerGRPTimer() {
    timer_.stop();
    // While the link is lost (or nothing has been read yet) the record gets a gap, never the
    // last values again.
    if (!state_.readings().ReadingsCurrent) {
        if (recorder_.isRecording())
            timer_.start();
        return;
    }
    const QDateTime now = services_.clock->now();
    const TickResult result = recorder_.tick(state_.readings().sample, now.time());
    if (result.sampleTaken) {
        const JournalWriter::Outcome journal =
            journal_.sampleTaken(recorder_.buffer(), result.droppedOldest, recordInfo(), now);
        if (state_.Settings.CurrentView == ViewId::Graph && hooks_.updatePanelValues)
            hooks_.updatePanelValues();
        chart_.refresh();
        journalWritten(journal);
    }
    if (result.finished) {
        journal_.sync(now);
        apply(GraphRecorder::stoppedControls());
        tell(kGraphFinishedMessage.toString());
        return;
    }
    if (result.timerRunning)
        timer_.start();
}

void GraphView::BitBtn7Click() {
    apply(recorder_.start());
}

void GraphView::BitBtn6Click() {
    apply(recorder_.stop());
    journal_.sync(services_.clock->now());
}

void GraphView::apply(const RecorderControls &c) {
    recordButton_->setVisible(c.recordButtonVisible);
    stopButton_->setVisible(c.stopButtonVisible);
    (c.recordButtonVisible ? recordButton_ : stopButton_)->setFocus();
    if (c.timerRunning)
        timer_.start();
    else
        timer_.stop();
    if (c.clearMarker)
        chart_.clearMarker();
    if (c.setGraphUnsaved)
        state_.Flags.GraphUnsaved = true;
}

void GraphView::readOutAt(double position) {
    const std::optional<GraphReadOut> out = recorder_.readOut(position);
    if (!out)
        return;
    for (int channel = 0; channel < kChannelCount; ++channel)
        valueBoxes_[channel]->setText(out->texts[channel]);
    chart_.showMarker(out->position);
}

void GraphView::ClearGraph() {
    recorder_.clear(today());
    UpdateGraphCaptions();
}

void GraphView::UpdateGraphCaptions() {
    VehicleData &vehicle = state_.Vehicle;
    vehicle.NumberText = GraphCaptionText::trimmedVehicleText(vehicle.NumberText);
    vehicle.DetailText = GraphCaptionText::trimmedVehicleText(vehicle.DetailText);
    captions_ =
        GraphCaptionText::captions({vehicle.StationName, vehicle.NumberText, vehicle.DetailLabel,
                                    vehicle.DetailText, recorder_.graphDate()});
    chart_.setCaptions(captions_);
    // The date, the vehicle texts or the full scales may have changed.
    journalWritten(journal_.infoChanged(recorder_.buffer(), recordInfo(), services_.clock->now()));
}

void GraphView::vehicleDataClosed(bool okPressed) {
    if (okPressed)
        recorder_.setGraphDate(today());
    UpdateGraphCaptions();
}

// ---- Side panel buttons ----------------------------------------------------------------

void GraphView::save() {
    BitBtn6Click();
    const QString proposed =
        GraphCaptionText::suggestedFileName(state_.Vehicle.NumberText, services_.clock->now());
    const FileDialogs::TypedSaveChoice choice = services_.fileDialogs->saveFileNameOfType(
        dialogParent_, graphFolder(), GraphFileTypes::saveFilters(), lastSaveFilter_, proposed);
    if (choice.path.isEmpty())
        return;
    lastSaveFilter_ = choice.filter;
    if (writeFile(choice.path, GraphFileTypes::typeOf(choice.path, choice.filter)))
        state_.Flags.GraphUnsaved = false;
}

// Writes the graph as the type asks. A failure is told with the file and the reason; an old
// file of that name is then left whole.
bool GraphView::writeFile(const QString &path, GraphFileType type) {
    GraphExporter::Result result;
    switch (type) {
    case GraphFileType::Data: {
        const GraphFile::WriteResult written = GraphFile::save(
            path, recorder_.buffer(),
            {recorder_.graphDate(), state_.Vehicle.NumberText, state_.Vehicle.DetailText});
        result = {written.ok, written.error};
        // The file holds the record: a crash can no longer lose it.
        if (written.ok && !written.cut)
            journal_.remove();
        if (written.ok && written.cut)
            tell(QStringLiteral("Файл данных вмещает не больше %1 точек: в файл %2 записаны "
                                "последние %1 точек графика из %3.")
                     .arg(written.samplesWritten)
                     .arg(shownPath(path))
                     .arg(recorder_.count()));
        break;
    }
    case GraphFileType::Metafile:
        result = GraphMetafileExporter(chart_).exportTo(path);
        break;
    case GraphFileType::Bitmap:
        result = GraphBitmapExporter(chart_).exportTo(path);
        break;
    case GraphFileType::Text:
        result = GraphTextExporter(recorder_.buffer(), captions_).exportTo(path);
        break;
    }
    if (!result.ok)
        tell(QStringLiteral("График не сохранен в файл ") + shownPath(path) + QStringLiteral(": ") +
             result.error);
    return result.ok;
}

void GraphView::open() {
    BitBtn6Click();
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
        dialogParent_, graphFolder(), GraphFileTypes::openFilter(), QString());
    if (path.isEmpty())
        return;
    const GraphFile::ReadResult read = GraphFile::open(path);
    if (read.status == GraphFile::ReadStatus::Unreadable) {
        // The graph on screen stays as it was.
        tell(QStringLiteral("Не удалось прочитать файл ") + shownPath(path) + QStringLiteral(": ") +
             read.error);
        return;
    }
    recorder_.load(read.samples, read.date, today());
    // The record in the journal is gone; "Запись" starts a journal of the loaded one.
    journal_.remove();
    state_.Vehicle.NumberText = read.numberText;
    state_.Vehicle.DetailText = read.detailText;
    UpdateGraphCaptions();
    if (hooks_.rebuildReport)
        hooks_.rebuildReport();
    if (read.status == GraphFile::ReadStatus::Damaged)
        tell(QStringLiteral("Файл ") + shownPath(path) +
             QStringLiteral(" поврежден; прочитано точек графика: %1.").arg(read.samples.size()));
}

void GraphView::clear() {
    if (!shouldAskBeforeClear(recorder_.count()))
        return;
    if (services_.prompts->askYesNoCancel(kClearGraphQuestion.toString()) ==
        UserPrompts::Answer::Yes) {
        ClearGraph();
        journal_.remove();
    }
}

void GraphView::print() {
    BitBtn6Click();
    // The plot goes on paper white; the screen gets its own colour back whatever happens.
    chart_.setPaper(Qt::white);
    QPrinter *printer = services_.printer->choosePrinter(dialogParent_);
    if (printer && !GraphPrinter::print(*printer, chart_))
        tell(QStringLiteral("Не удалось начать печать графика."));
    chart_.restorePaper();
}

void GraphView::configure() {
    if (hooks_.openGraphOptions)
        hooks_.openGraphOptions();
}

bool GraphView::unsaved() const {
    return state_.Flags.GraphUnsaved;
}

// ---- Journal ---------------------------------------------------------------------------

GraphJournal::RecordInfo GraphView::recordInfo() const {
    return {recorder_.graphDate(), state_.Vehicle.NumberText, state_.Vehicle.DetailText};
}

// The journal failing is told once, when it stops working; recording goes on in memory.
void GraphView::journalWritten(JournalWriter::Outcome outcome) {
    if (outcome == JournalWriter::Outcome::FirstFailure)
        tell(QStringLiteral("Не удалось записать журнал графика ") + shownPath(journal_.path()) +
             QStringLiteral(": ") + journal_.lastError() +
             QStringLiteral(". При аварийном завершении программы несохраненный график будет "
                            "потерян."));
}

void GraphView::offerRecovery() {
    if (!QFileInfo::exists(journal_.path()))
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

void GraphView::restoreJournal(const GraphJournal::Contents &journal, const QDateTime &now) {
    recorder_.restore(journal, now.date());
    state_.Vehicle.NumberText = journal.info.numberText;
    state_.Vehicle.DetailText = journal.info.detailText;
    state_.Flags.GraphUnsaved = true;
    // A fresh journal of the record now held: a cut-off end goes, and the samples to come
    // follow whole records.
    journalWritten(journal_.rewrite(recorder_.buffer(), recordInfo(), now));
    if (hooks_.showGraphView)
        hooks_.showGraphView();
}

// Nothing is thrown away: the record goes into a graph file; the journal itself is kept
// too when the graph file cannot hold every sample, and stays where it is when the graph
// file cannot be written (the next start asks again).
void GraphView::keepDeclinedJournal(const GraphJournal::Contents &journal, const QDateTime &now) {
    GraphBuffer record(fullScales());
    GraphJournal::appendTo(record, journal);
    const QDate date = journal.info.date.isValid() ? journal.info.date : now.date();
    const JournalRecovery::Kept kept = JournalRecovery::saveAsGraphFile(
        graphFolder(), record, {date, journal.info.numberText, journal.info.detailText}, now);
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

void GraphView::keepDamagedJournal(const QDateTime &now) {
    const JournalRecovery::Kept kept = JournalRecovery::moveAside(journal_.path(), now);
    QString text = QStringLiteral("Журнал графика поврежден, восстановить график из него нельзя. ");
    text += kept.ok ? QStringLiteral("Журнал сохранен в файле ") + shownPath(kept.path) + u'.'
                    : QStringLiteral("Журнал оставлен в файле ") + shownPath(journal_.path()) +
                          QStringLiteral(": ") + kept.error;
    tell(text);
}

QString GraphView::saveRecovered(const QString &folder, const QDateTime &now) {
    if (recorder_.buffer().isEmpty())
        return {};
    const JournalRecovery::Kept kept = JournalRecovery::saveAsGraphFile(
        folder, recorder_.buffer(),
        {recorder_.graphDate(), state_.Vehicle.NumberText, state_.Vehicle.DetailText}, now);
    if (kept.ok && !kept.cut) {
        state_.Flags.GraphUnsaved = false;
        journal_.remove();
    }
    return kept.ok ? kept.path : QString();
}

void GraphView::closeJournalAtExit(bool userAsked) {
    if (userAsked || !state_.Flags.GraphUnsaved)
        journal_.remove();
    else
        journal_.close();
}

// ---- Helpers ---------------------------------------------------------------------------

void GraphView::tell(const QString &text) {
    services_.prompts->message(text);
}

QString GraphView::graphFolder() const {
    return services_.folder->filePath(DataFileNames::GraphFolder);
}

QDate GraphView::today() const {
    return services_.clock->now().date();
}
