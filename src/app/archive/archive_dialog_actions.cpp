// The archive dialog's buttons: the document printed or opened as a copy, the CSV export and
// the register.
#include "archive_csv.h"
#include "archive_dialog.h"
#include "archive_file_save.h"
#include "archive_list_model.h"
#include "archive_register.h"
#include "clock.h"
#include "print_service.h"
#include "report_printer.h"
#include "services.h"
#include "test_archive.h"
#include "user_prompts.h"

#include <QPrinter>

#include <algorithm>

namespace {

// A document as the archive keeps it ("\r\n" between lines) as lines.
QStringList documentLines(const ArchiveRecord &record) {
    return record.documentText.isEmpty() ? QStringList()
                                         : record.documentText.split(QStringLiteral("\r\n"));
}

bool printLines(QWidget *parent, const Services &services, const QStringList &lines,
                const QString &failure) {
    QPrinter *printer = services.printer->choosePrinter(parent);
    if (!printer)
        return false;
    if (ReportPrinter::print(*printer, lines))
        return true;
    services.prompts->message(failure);
    return false;
}

} // namespace

void ArchiveDialog::printDocument() {
    if (const std::optional<ArchiveRecord> record = currentRecord())
        printLines(this, services_, documentLines(*record),
                   QStringLiteral("Не удалось начать печать документа."));
}

void ArchiveDialog::openSelectedCopy() {
    const std::optional<ArchiveRecord> record = currentRecord();
    if (record && openCopy && openCopy(*record))
        accept();
}

void ArchiveDialog::exportCsv() {
    QList<QString> ids = selectedIds();
    if (ids.isEmpty()) {
        // Nothing selected: every test the search finds, not only the ones listed.
        for (const ArchiveSummary &summary : archive_.find(currentFilter()))
            ids << summary.id;
    }
    QList<ArchiveRecord> records;
    for (const QString &id : ids)
        if (std::optional<ArchiveRecord> record = archive_.record(id))
            records << *record;
    const QString today = services_.clock->now().date().toString(QStringLiteral("dd-MM-yyyy"));
    ArchiveFileSave::save(this, services_,
                          {QStringLiteral("Файлы CSV (*.csv)"),
                           QStringLiteral("Архив_%1.csv").arg(today), QStringLiteral("Экспорт")},
                          ArchiveCsv::encode(records));
}

QStringList ArchiveDialog::registerLines() const {
    ArchiveFilter filter;
    filter.from = currentFilter().from;
    filter.to = currentFilter().to;
    const QList<ArchiveSummary> tests = archive_.find(filter);
    ArchiveRegister::Range range;
    if (filter.from) {
        range = {*filter.from, *filter.to};
    } else if (!tests.isEmpty()) {
        const auto [oldest, newest] = std::minmax_element(
            tests.begin(), tests.end(),
            [](const ArchiveSummary &a, const ArchiveSummary &b) { return a.savedAt < b.savedAt; });
        range = {oldest->savedAt.date(), newest->savedAt.date()};
    } else {
        range.from = range.to = services_.clock->now().date();
    }
    return ArchiveRegister::lines(tests, stationLine_, range);
}

void ArchiveDialog::printRegister() {
    printLines(this, services_, registerLines(),
               QStringLiteral("Не удалось начать печать реестра."));
}

void ArchiveDialog::saveRegisterPdf() {
    const QByteArray bytes = ArchiveRegister::pdf(registerLines());
    if (bytes.isEmpty()) {
        services_.prompts->message(QStringLiteral("Не удалось подготовить реестр в PDF."));
        return;
    }
    const QString today = services_.clock->now().date().toString(QStringLiteral("dd-MM-yyyy"));
    ArchiveFileSave::save(this, services_,
                          {QStringLiteral("Файлы PDF (*.pdf)"),
                           QStringLiteral("Реестр_%1.pdf").arg(today), QStringLiteral("Реестр")},
                          bytes);
}
