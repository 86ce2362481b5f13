#include "archive_csv.h"

#include "archive_texts.h"
#include "channel_info.h"

#include <QRegularExpression>

namespace ArchiveCsv {

namespace {

QStringList header() {
    QStringList cells = {
        QStringLiteral("Дата"),      QStringLiteral("Время"),      QStringLiteral("Номер"),
        QStringLiteral("Данные ТС"), QStringLiteral("Категория"),  QStringLiteral("Нейтрализатор"),
        QStringLiteral("Документ"),  QStringLiteral("Заключение"), QStringLiteral("Запись")};
    for (Channel channel : kAllChannels)
        cells << channelInfo(channel).gridTitle.toString();
    cells << QStringLiteral("Файл");
    return cells;
}

QString joined(const QStringList &cells) {
    QStringList quoted;
    quoted.reserve(cells.size());
    for (const QString &cell : cells)
        quoted << field(cell);
    return quoted.join(u';');
}

QStringList testCells(const ArchiveRecord &record) {
    const QString detail = record.detailLabel.isEmpty()
                               ? record.detailText
                               : record.detailLabel + u' ' + record.detailText;
    return {ArchiveTexts::date(record.savedAt),
            ArchiveTexts::time(record.savedAt),
            record.vehicleNumber,
            detail,
            record.category,
            record.catalyst ? QStringLiteral("да") : QStringLiteral("нет"),
            ArchiveTexts::kind(record.kind),
            ArchiveTexts::verdict(record.overall)};
}

// The slot's name and readings; empty cells for kNoSlot.
constexpr int kNoSlot = -1;
QStringList slotCells(const ArchiveRecord &record, int slot) {
    QStringList cells;
    if (slot == kNoSlot) {
        for (int i = 0; i <= kChannelCount; ++i)
            cells << QString();
        return cells;
    }
    cells << ArchiveTexts::slotName(record.kind, slot);
    for (const QString &reading : record.recordSlots[slot].readings)
        cells << decimalComma(reading.trimmed());
    return cells;
}

} // namespace

QString field(const QString &text) {
    static const QRegularExpression needsQuotes(QStringLiteral("[;\"\r\n]"));
    if (!text.contains(needsQuotes))
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

QString decimalComma(const QString &text) {
    static const QRegularExpression pointNumber(QStringLiteral("^\\s*[-+]?\\d+\\.\\d+\\s*$"));
    if (!pointNumber.match(text).hasMatch())
        return text;
    QString comma = text;
    comma.replace(u'.', u',');
    return comma;
}

QStringList lines(const QList<ArchiveRecord> &records) {
    QStringList out = {joined(header())};
    for (const ArchiveRecord &record : records) {
        QList<int> written;
        for (int slot = 0; slot < int(record.recordSlots.size()); ++slot)
            if (record.recordSlots[slot].recorded)
                written << slot;
        if (written.isEmpty())
            written << kNoSlot;
        for (int slot : written)
            out << joined(testCells(record) + slotCells(record, slot) +
                          QStringList{record.fileName});
    }
    return out;
}

QByteArray encode(const QList<ArchiveRecord> &records) {
    QByteArray bytes = kByteOrderMark;
    for (const QString &line : lines(records)) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace ArchiveCsv
