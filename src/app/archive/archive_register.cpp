#include "archive_register.h"

#include "archive_texts.h"
#include "report_printer.h"
#include "vehicle_data.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>

namespace ArchiveRegister {

namespace {

constexpr int kOrdinalWidth = 5;
constexpr int kDateTimeWidth = 21;
constexpr int kNumberWidth = kVehicleTextMaxLength + 2;
constexpr int kCategoryWidth = 14;

QString column(const QString &text, int width) {
    return text.leftJustified(width, u' ');
}

QString line(const QString &ordinal, const QString &dateTime, const QString &number,
             const QString &category, const QString &verdict) {
    return (ordinal.rightJustified(kOrdinalWidth - 2, u' ') + QStringLiteral("  ") +
            column(dateTime, kDateTimeWidth) + column(number, kNumberWidth) +
            column(category, kCategoryWidth) + verdict)
        .trimmed();
}

} // namespace

QStringList lines(const QList<ArchiveSummary> &tests, const QString &stationLine,
                  const Range &range) {
    const QString dateFormat = QStringLiteral("dd.MM.yyyy");
    QStringList out = {QStringLiteral("Реестр испытаний с %1 по %2")
                           .arg(range.from.toString(dateFormat), range.to.toString(dateFormat))};
    if (!stationLine.trimmed().isEmpty())
        out << stationLine.trimmed();
    out << QString()
        << line(QStringLiteral("№"), QStringLiteral("Дата и время"), QStringLiteral("Номер"),
                QStringLiteral("Категория"), QStringLiteral("Заключение"));
    QList<ArchiveSummary> oldestFirst = tests;
    std::stable_sort(
        oldestFirst.begin(), oldestFirst.end(),
        [](const ArchiveSummary &a, const ArchiveSummary &b) { return a.savedAt < b.savedAt; });
    int ordinal = 0;
    for (const ArchiveSummary &test : oldestFirst)
        out << line(QString::number(++ordinal),
                    ArchiveTexts::date(test.savedAt) + u' ' + ArchiveTexts::time(test.savedAt),
                    test.vehicleNumber, test.category, ArchiveTexts::verdict(test.overall));
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
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        if (!ReportPrinter::print(writer, lines))
            return {};
    }
    return buffer.data();
}

} // namespace ArchiveRegister
