#include "archive_command.h"

#include "archive_dialog.h"
#include "archive_texts.h"
#include "report_document.h"
#include "run_state.h"
#include "services.h"
#include "side_document.h"
#include "user_prompts.h"

#include <QAction>

ArchiveCommand::ArchiveCommand(QAction *item, const RunState &state, const Services &services,
                               ReportDocument &report, QWidget *window, Hooks hooks)
    : QObject(window), state_(state), services_(services), report_(report), window_(window),
      hooks_(std::move(hooks)) {
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, [this] { open(); });
}

ArchiveDialog *ArchiveCommand::open() {
    TestArchive *archive = hooks_.archive ? hooks_.archive() : nullptr;
    if (!archive) {
        services_.prompts->message(QString::fromUtf16(NoArchiveMessage));
        return nullptr;
    }
    auto *dialog = new ArchiveDialog(*archive, services_, state_.Vehicle.StationName, window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->openCopy = [this](const ArchiveRecord &record) { return openCopy(record); };
    dialog->open();
    return dialog;
}

QStringList ArchiveCommand::copyLines(const ArchiveRecord &record) {
    QStringList lines = {
        QStringLiteral("КОПИЯ из архива испытаний, документ сохранен %1 в %2")
            .arg(ArchiveTexts::date(record.savedAt), ArchiveTexts::time(record.savedAt))};
    if (!record.documentText.isEmpty())
        lines += record.documentText.split(QStringLiteral("\r\n"));
    return lines;
}

bool ArchiveCommand::reportMayBeReplaced() {
    if (!report_.unsaved())
        return true;
    switch (services_.prompts->askYesNoCancel(QString::fromUtf16(kReportUnsavedQuestion))) {
    case UserPrompts::Answer::Yes:
        // The report's own save, with its dialog; the copy follows only once it is saved.
        report_.save();
        return !report_.unsaved();
    case UserPrompts::Answer::No:
        return true;
    default:
        return false;
    }
}

bool ArchiveCommand::openCopy(const ArchiveRecord &record) {
    if (hooks_.showReport)
        hooks_.showReport();
    if (!reportMayBeReplaced())
        return false;
    report_.showCopy(copyLines(record));
    return true;
}
