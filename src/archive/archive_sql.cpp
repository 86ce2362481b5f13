#include "archive_sql.h"

#include "search_key.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

constexpr int kSlotColumns = 7;
constexpr int kReadingColumns = 7;
constexpr int kGramColumns = 2;

QString placeholders(int rows, int columns) {
    const QString row = u'(' + QStringList(columns, QStringLiteral("?")).join(u',') + u')';
    return QStringList(rows, row).join(u',');
}

// A channel's cells are stored only where the document had something in them.
bool hasCells(const ArchiveSlot &slot, int channel) {
    return !slot.readings[channel].isEmpty() || !slot.references[channel].isEmpty() ||
           !slot.deviations[channel].isEmpty() ||
           slot.verdicts[channel] != ArchiveVerdict::NotJudged;
}

// Text columns are NOT NULL: an unset text is stored as the empty text.
QVariant text(const QString &value) {
    return value.isNull() ? QStringLiteral("") : value;
}

bool execInsert(QSqlQuery &query, const QString &table, int rows, int columns,
                const QVariantList &values) {
    if (rows == 0)
        return true;
    query.prepare(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" VALUES ") +
                  placeholders(rows, columns) + QStringLiteral(" ON CONFLICT DO NOTHING"));
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

QDateTime timeFromStored(const QString &text) {
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

const QString kSummaryColumns = QStringLiteral(
    "id, revision_of, saved_at, vehicle_number, detail_text, category, kind, overall, file_name");

ArchiveSummary summaryFrom(const QSqlQuery &query) {
    ArchiveSummary summary;
    summary.id = query.value(0).toString();
    summary.revisionOf = query.value(1).toString();
    summary.savedAt = timeFromStored(query.value(2).toString());
    summary.vehicleNumber = query.value(3).toString();
    summary.detailText = query.value(4).toString();
    summary.category = query.value(5).toString();
    summary.kind = ArchiveDocumentKind(query.value(6).toInt());
    summary.overall = ArchiveVerdict(query.value(7).toInt());
    summary.fileName = query.value(8).toString();
    return summary;
}

bool loadSlots(QSqlQuery &query, const QString &id, ArchiveRecord &record) {
    query.prepare(QStringLiteral("SELECT slot, recorded, co_limit, ch_limit, lambda_min, "
                                 "lambda_max FROM test_slot WHERE record_id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return false;
    while (query.next()) {
        const int at = query.value(0).toInt();
        if (at < 0 || at >= int(record.recordSlots.size()))
            continue;
        ArchiveSlot &slot = record.recordSlots[at];
        slot.recorded = query.value(1).toInt() != 0;
        slot.limits = {query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt(),
                       query.value(5).toInt()};
    }
    query.prepare(QStringLiteral("SELECT slot, channel, reading, reference, deviation, verdict "
                                 "FROM test_reading WHERE record_id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return false;
    while (query.next()) {
        const int at = query.value(0).toInt();
        const int channel = query.value(1).toInt();
        if (at < 0 || at >= int(record.recordSlots.size()) || channel < 0 ||
            channel >= kChannelCount)
            continue;
        ArchiveSlot &slot = record.recordSlots[at];
        slot.readings[channel] = query.value(2).toString();
        slot.references[channel] = query.value(3).toString();
        slot.deviations[channel] = query.value(4).toString();
        slot.verdicts[channel] = ArchiveVerdict(query.value(5).toInt());
    }
    return true;
}

} // namespace

namespace ArchiveSql {

QString storedTime(const QDateTime &time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
}

Inserted insert(QSqlDatabase &db, const ArchiveRecord &record) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO test_record (id, revision_of, saved_at, station_line, vehicle_number, "
        "number_key, detail_label, detail_text, detail_key, category, catalyst, kind, overall, "
        "document_text, file_name, graph_file_name) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (id) DO NOTHING"));
    for (const QVariant &value : QVariantList{
             text(record.id), text(record.revisionOf), storedTime(record.savedAt),
             text(record.stationLine), text(record.vehicleNumber),
             text(ArchiveSearch::key(record.vehicleNumber)), text(record.detailLabel),
             text(record.detailText), text(ArchiveSearch::key(record.detailText)),
             text(record.category), int(record.catalyst), int(record.kind), int(record.overall),
             text(record.documentText), text(record.fileName), text(record.graphFileName)})
        query.addBindValue(value);
    if (!query.exec())
        return {InsertOutcome::Failed, query.lastError().text(), query.lastError()};
    if (query.numRowsAffected() == 0)
        return {InsertOutcome::AlreadyStored, {}, {}};

    QVariantList slotValues;
    QVariantList readingValues;
    int readingRows = 0;
    for (int at = 0; at < int(record.recordSlots.size()); ++at) {
        const ArchiveSlot &slot = record.recordSlots[at];
        slotValues << record.id << at << int(slot.recorded) << slot.limits.coLimit
                   << slot.limits.chLimit << slot.limits.lambdaMin << slot.limits.lambdaMax;
        for (int channel = 0; channel < kChannelCount; ++channel) {
            if (!hasCells(slot, channel))
                continue;
            readingValues << record.id << at << channel << text(slot.readings[channel])
                          << text(slot.references[channel]) << text(slot.deviations[channel])
                          << int(slot.verdicts[channel]);
            ++readingRows;
        }
    }
    const QStringList grams = ArchiveSearch::grams(ArchiveSearch::key(record.vehicleNumber));
    QVariantList gramValues;
    for (const QString &gram : grams)
        gramValues << gram << record.id;
    if (!execInsert(query, QStringLiteral("test_slot"), int(record.recordSlots.size()),
                    kSlotColumns, slotValues) ||
        !execInsert(query, QStringLiteral("test_reading"), readingRows, kReadingColumns,
                    readingValues) ||
        !execInsert(query, QStringLiteral("test_number_gram"), int(grams.size()), kGramColumns,
                    gramValues))
        return {InsertOutcome::Failed, query.lastError().text(), query.lastError()};
    return {InsertOutcome::Inserted, {}, {}};
}

Found find(QSqlDatabase &db, const ArchiveFilter &filter) {
    QStringList conditions;
    QVariantList values;
    if (!filter.vehicleNumber.trimmed().isEmpty()) {
        // A fragment of three letters or more: only the records whose number has all its
        // pieces, looked up in test_number_gram, are read and checked. A shorter one is in
        // many numbers, so the scan newest first soon has the number of records asked for.
        const QStringList grams = ArchiveSearch::grams(ArchiveSearch::key(filter.vehicleNumber));
        if (!grams.isEmpty()) {
            const QString one =
                QStringLiteral("SELECT record_id FROM test_number_gram WHERE gram = ?");
            conditions << QStringLiteral("id IN (") +
                              QStringList(grams.size(), one).join(QStringLiteral(" INTERSECT ")) +
                              u')';
            for (const QString &gram : grams)
                values << gram;
        }
        conditions << QStringLiteral("number_key LIKE ? ESCAPE '\\'");
        values << ArchiveSearch::containsPattern(filter.vehicleNumber);
    }
    if (!filter.detailText.trimmed().isEmpty()) {
        conditions << QStringLiteral("detail_key LIKE ? ESCAPE '\\'");
        values << ArchiveSearch::containsPattern(filter.detailText);
    }
    if (filter.from) {
        conditions << QStringLiteral("saved_at >= ?");
        values << storedTime(filter.from->startOfDay());
    }
    if (filter.to) {
        conditions << QStringLiteral("saved_at < ?");
        values << storedTime(filter.to->addDays(1).startOfDay());
    }
    if (filter.verdict) {
        conditions << QStringLiteral("overall = ?");
        values << int(*filter.verdict);
    }
    const QString order = QStringLiteral(" ORDER BY saved_at DESC, id DESC");
    const QString where =
        conditions.isEmpty() ? QString()
                             : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    QString statement =
        QStringLiteral("SELECT ") + kSummaryColumns + QStringLiteral(" FROM test_record");
    if (filter.limit > 0) {
        // The newest matching ids first, from the index test_record_search alone (it holds
        // every column the conditions test), and only those records read whole. In one
        // statement PostgreSQL, which cannot tell how many numbers hold a fragment, reads
        // every record with its document and sorts them when it guesses a fragment rare.
        statement += QStringLiteral(" WHERE id IN (SELECT id FROM test_record") + where + order +
                     QStringLiteral(" LIMIT ") + QString::number(filter.limit) + u')' + order;
    } else {
        statement += where + order;
    }

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    Found found;
    if (!query.exec()) {
        found.error = query.lastError().text();
        return found;
    }
    while (query.next())
        found.summaries.append(summaryFrom(query));
    found.ok = true;
    return found;
}

std::optional<ArchiveRecord> load(QSqlDatabase &db, const QString &id, QString *error) {
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT id, revision_of, saved_at, station_line, vehicle_number, "
                       "detail_label, detail_text, category, catalyst, kind, overall, "
                       "document_text, file_name, graph_file_name FROM test_record WHERE id = ?"));
    query.addBindValue(id);
    const auto fail = [&]() -> std::optional<ArchiveRecord> {
        if (error)
            *error = query.lastError().text();
        return std::nullopt;
    };
    if (!query.exec())
        return fail();
    if (!query.next())
        return std::nullopt;
    ArchiveRecord record;
    record.id = query.value(0).toString();
    record.revisionOf = query.value(1).toString();
    record.savedAt = timeFromStored(query.value(2).toString());
    record.stationLine = query.value(3).toString();
    record.vehicleNumber = query.value(4).toString();
    record.detailLabel = query.value(5).toString();
    record.detailText = query.value(6).toString();
    record.category = query.value(7).toString();
    record.catalyst = query.value(8).toInt() != 0;
    record.kind = ArchiveDocumentKind(query.value(9).toInt());
    record.overall = ArchiveVerdict(query.value(10).toInt());
    record.documentText = query.value(11).toString();
    record.fileName = query.value(12).toString();
    record.graphFileName = query.value(13).toString();
    if (!loadSlots(query, id, record))
        return fail();
    return record;
}

} // namespace ArchiveSql
