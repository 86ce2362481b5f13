#include "archive_register.h"

#include "archive_texts.h"
#include "report_printer.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace ArchiveRegister {

namespace {

constexpr int kGap = 2; // spaces between two columns

// The cells of one line: the ordinal, the date and time, the number, the category, the
// verdict.
using Cells = std::array<QString, 5>;

Cells cellsOf(int ordinal, const ArchiveSummary &test) {
    return {QString::number(ordinal),
            ArchiveTexts::date(test.savedAt) + u' ' +
                test.savedAt.toString(QStringLiteral("hh:mm")),
            test.vehicleNumber.trimmed(), test.category, ArchiveTexts::verdict(test.overall)};
}

// Each column as wide as its longest cell, the ordinal to the right, so the widest register
// of usual numbers stays well inside the page's width.
QStringList laidOut(const QList<Cells> &rows) {
    std::array<qsizetype, 5> widths{};
    for (const Cells &cells : rows)
        for (std::size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    QStringList out;
    for (const Cells &cells : rows) {
        QString line = cells[0].rightJustified(widths[0], u' ');
        for (std::size_t i = 1; i < cells.size(); ++i)
            line += QString(kGap, u' ') + cells[i].leftJustified(widths[i], u' ');
        out << line.trimmed();
    }
    return out;
}

} // namespace

QStringList lines(const QList<ArchiveSummary> &tests, const QString &stationLine,
                  const Range &range) {
    const QString dateFormat = QStringLiteral("dd.MM.yyyy");
    QStringList out = {QStringLiteral("Реестр испытаний с %1 по %2")
                           .arg(range.from.toString(dateFormat), range.to.toString(dateFormat))};
    if (!stationLine.trimmed().isEmpty())
        out << stationLine.trimmed();
    out << QString();
    QList<ArchiveSummary> oldestFirst = tests;
    std::stable_sort(
        oldestFirst.begin(), oldestFirst.end(),
        [](const ArchiveSummary &a, const ArchiveSummary &b) { return a.savedAt < b.savedAt; });
    QList<Cells> rows = {{QStringLiteral("№"), QStringLiteral("Дата и время"),
                          QStringLiteral("Номер"), QStringLiteral("Категория"),
                          QStringLiteral("Заключение")}};
    int ordinal = 0;
    for (const ArchiveSummary &test : oldestFirst)
        rows << cellsOf(++ordinal, test);
    out << laidOut(rows);
    out << QString() << QStringLiteral("Всего испытаний: %1").arg(ordinal);
    return out;
}

QByteArray pdf(const QStringList &lines) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(600);
        writer.setPageMargins(QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter);
        if (!ReportPrinter::print(writer, lines))
            return {};
    }
    return buffer.data();
}

} // namespace ArchiveRegister
