#include "report_document.h"

#include "clock.h"
#include "file_dialogs.h"
#include "print_service.h"
#include "recovered_files.h"
#include "report_file.h"
#include "report_printer.h"
#include "report_text.h"
#include "run_state.h"
#include "services.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrinter>

namespace {

QString nativePath(const QString &path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

ReportDocument::ReportDocument(RunState &state, const Services &services, QPlainTextEdit *memo,
                               QObject *parent)
    : QObject(parent), state_(state), services_(services), memo_(memo) {
    // The layout sets the point size; the face and the weight stay.
    QFont font = memo_->font();
    font.setFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("Noto Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    memo_->setFont(font);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->installEventFilter(this);
}

void ReportDocument::startUp(const CalibrationGasKit &workingKit) {
    state_.Vehicle.DetailLabel = DetailLabelFor(state_.Settings.VehicleFieldIndex);
    report_.FillReferences(workingKit);
    rebuild();
}

void ReportDocument::rebuild() {
    const ReportDateTime now = ReportDateTimeTexts(services_.clock->now());
    show(BuildReportText(state_.Settings.ReportKind, report_, state_.Vehicle,
                         state_.readings().analyserKind, now.date, now.time));
}

void ReportDocument::record(int slot) {
    if (!state_.shownReadingsCurrent()) {
        // Values left from before the link was lost are not a measurement.
        services_.prompts->message(QString::fromUtf16(NotCurrentMessage));
        return;
    }
    if (!report_.RecordMeasurement(slot, state_.shownSample()))
        return;
    state_.Flags.ReportUnsaved = true;
    rebuild();
    if (testChanged)
        testChanged(false);
}

void ReportDocument::arrange() {
    state_.Vehicle.NumberText = state_.Vehicle.NumberText.trimmed();
    state_.Vehicle.DetailText = state_.Vehicle.DetailText.trimmed();
    if (editVehicleData)
        editVehicleData();
    rebuild();
}

void ReportDocument::applyWorkingKit(const CalibrationGasKit &workingKit) {
    report_.FillReferences(workingKit);
    for (int slot = 0; slot < TestReport::kSlotCount; ++slot)
        report_.ComputeDeviations(slot);
    rebuild();
}

void ReportDocument::allowHandEditing() {
    memo_->setReadOnly(false);
}

QStringList ReportDocument::lines() const {
    const QString text = memo_->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

void ReportDocument::show(const QStringList &lines) {
    memo_->setPlainText(lines.join(u'\n'));
}

QString ReportDocument::textFolder() const {
    return services_.folder->filePath(DataFileNames::TextFolder);
}

void ReportDocument::save() {
    const QString proposed =
        ReportFile::SuggestedReportFileName(state_.Vehicle, services_.clock->now().date());
    const QString answer = services_.fileDialogs->saveFileNameConfirmingOverwrite(
        memo_, textFolder(), QString::fromUtf16(ReportFile::SaveFilter), proposed);
    if (answer.isEmpty())
        return;
    const QString path = ReportFile::withTextExtension(answer);
    const QStringList saving = lines();
    const ReportFile::ReportSaveResult saved = ReportFile::saveReport(path, saving);
    if (saved.ok) {
        state_.Flags.ReportUnsaved = false;
        if (documentSaved)
            documentSaved(path, saving);
        return;
    }
    // The old file, if any, is left whole; the document stays unsaved.
    services_.prompts->message(QStringLiteral("Отчет не сохранен в файл ") + nativePath(path) +
                               QStringLiteral(": ") + saved.reason);
}

void ReportDocument::open() {
    const QString path = services_.fileDialogs->openFileName(
        memo_, textFolder(), QString::fromUtf16(ReportFile::OpenFilter), QString());
    if (path.isEmpty())
        return;
    const ReportFile::ReportOpenResult opened = ReportFile::openReport(path);
    if (!opened.ok) {
        services_.prompts->message(QStringLiteral("Не удалось прочитать файл ") + nativePath(path));
        return;
    }
    show(opened.lines);
}

void ReportDocument::clear() {
    report_.ClearReport();
    rebuild();
    if (testChanged)
        testChanged(true);
}

void ReportDocument::print() {
    QPrinter *printer = services_.printer->choosePrinter(memo_);
    if (!printer)
        return;
    if (!ReportPrinter::print(*printer, lines()))
        services_.prompts->message(QStringLiteral("Не удалось начать печать отчета."));
}

void ReportDocument::configure() {
    if (state_.Settings.ReportKind == ExtendedProtocol) {
        if (editCalibrationGas)
            editCalibrationGas();
    } else if (openGraphOptions) {
        openGraphOptions();
    }
}

bool ReportDocument::unsaved() const {
    return state_.Flags.ReportUnsaved;
}

QString ReportDocument::saveRecovered(const QString &folder, const QDateTime &now) {
    if (!unsaved())
        return {};
    const QString path = RecoveredFiles::pathFor(folder, now, u".txt");
    const QStringList saving = lines();
    if (!ReportFile::saveReport(path, saving).ok)
        return {};
    state_.Flags.ReportUnsaved = false;
    if (documentSaved)
        documentSaved(path, saving);
    return path;
}

bool ReportDocument::eventFilter(QObject *watched, QEvent *event) {
    if (watched == memo_ && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        rebuild();
    return QObject::eventFilter(watched, event);
}
