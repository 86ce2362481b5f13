#include "pending_records.h"

#include "safe_file.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString pathIn(const QString &folder) {
    return QDir(folder).filePath(QString::fromUtf16(PendingRecords::FileName));
}

template <typename Value, typename Convert>
QJsonArray arrayOf(const std::array<Value, kChannelCount> &values, Convert convert) {
    QJsonArray array;
    for (const Value &value : values)
        array.append(convert(value));
    return array;
}

template <typename Value, typename Convert>
void fillFrom(const QJsonArray &array, std::array<Value, kChannelCount> &values, Convert convert) {
    for (int channel = 0; channel < kChannelCount && channel < array.size(); ++channel)
        values[channel] = convert(array[channel]);
}

const auto kText = [](const QString &text) { return QJsonValue(text); };
const auto kVerdict = [](ArchiveVerdict verdict) { return QJsonValue(int(verdict)); };
const auto kFromText = [](const QJsonValue &value) { return value.toString(); };
const auto kFromVerdict = [](const QJsonValue &value) { return ArchiveVerdict(value.toInt()); };

QJsonObject slotObject(const ArchiveSlot &slot) {
    return {{QStringLiteral("recorded"), slot.recorded},
            {QStringLiteral("readings"), arrayOf(slot.readings, kText)},
            {QStringLiteral("references"), arrayOf(slot.references, kText)},
            {QStringLiteral("deviations"), arrayOf(slot.deviations, kText)},
            {QStringLiteral("verdicts"), arrayOf(slot.verdicts, kVerdict)},
            {QStringLiteral("limits"), QJsonArray{slot.limits.coLimit, slot.limits.chLimit,
                                                  slot.limits.lambdaMin, slot.limits.lambdaMax}}};
}

ArchiveSlot slotFrom(const QJsonObject &object) {
    ArchiveSlot slot;
    slot.recorded = object.value(QStringLiteral("recorded")).toBool();
    fillFrom(object.value(QStringLiteral("readings")).toArray(), slot.readings, kFromText);
    fillFrom(object.value(QStringLiteral("references")).toArray(), slot.references, kFromText);
    fillFrom(object.value(QStringLiteral("deviations")).toArray(), slot.deviations, kFromText);
    fillFrom(object.value(QStringLiteral("verdicts")).toArray(), slot.verdicts, kFromVerdict);
    const QJsonArray limits = object.value(QStringLiteral("limits")).toArray();
    slot.limits = {limits[0].toInt(), limits[1].toInt(), limits[2].toInt(), limits[3].toInt()};
    return slot;
}

QJsonObject recordObject(const ArchiveRecord &record) {
    QJsonArray recordSlots;
    for (const ArchiveSlot &slot : record.recordSlots)
        recordSlots.append(slotObject(slot));
    return {{QStringLiteral("id"), record.id},
            {QStringLiteral("revisionOf"), record.revisionOf},
            {QStringLiteral("savedAt"), record.savedAt.toString(Qt::ISODateWithMs)},
            {QStringLiteral("stationLine"), record.stationLine},
            {QStringLiteral("vehicleNumber"), record.vehicleNumber},
            {QStringLiteral("detailLabel"), record.detailLabel},
            {QStringLiteral("detailText"), record.detailText},
            {QStringLiteral("category"), record.category},
            {QStringLiteral("catalyst"), record.catalyst},
            {QStringLiteral("kind"), int(record.kind)},
            {QStringLiteral("slots"), recordSlots},
            {QStringLiteral("overall"), int(record.overall)},
            {QStringLiteral("documentText"), record.documentText},
            {QStringLiteral("fileName"), record.fileName},
            {QStringLiteral("graphFileName"), record.graphFileName}};
}

ArchiveRecord recordFrom(const QJsonObject &object) {
    const auto text = [&object](const char *key) {
        return object.value(QLatin1String(key)).toString();
    };
    ArchiveRecord record;
    record.id = text("id");
    record.revisionOf = text("revisionOf");
    record.savedAt = QDateTime::fromString(text("savedAt"), Qt::ISODateWithMs);
    record.stationLine = text("stationLine");
    record.vehicleNumber = text("vehicleNumber");
    record.detailLabel = text("detailLabel");
    record.detailText = text("detailText");
    record.category = text("category");
    record.catalyst = object.value(QStringLiteral("catalyst")).toBool();
    record.kind = ArchiveDocumentKind(object.value(QStringLiteral("kind")).toInt());
    const QJsonArray recordSlots = object.value(QStringLiteral("slots")).toArray();
    for (int at = 0; at < int(record.recordSlots.size()) && at < recordSlots.size(); ++at)
        record.recordSlots[at] = slotFrom(recordSlots[at].toObject());
    record.overall = ArchiveVerdict(object.value(QStringLiteral("overall")).toInt());
    record.documentText = text("documentText");
    record.fileName = text("fileName");
    record.graphFileName = text("graphFileName");
    return record;
}

} // namespace

namespace PendingRecords {

QString save(const QString &folder, const QList<ArchiveRecord> &records) {
    const QString path = pathIn(folder);
    if (records.isEmpty()) {
        if (!QFile::exists(path) || QFile::remove(path))
            return {};
        return QStringLiteral("не удалось удалить ") + QDir::toNativeSeparators(path);
    }
    QJsonArray array;
    for (const ArchiveRecord &record : records)
        array.append(recordObject(record));
    const SafeFile::WriteResult written =
        SafeFile::write(path, QJsonDocument(array).toJson(QJsonDocument::Compact));
    return written.ok ? QString() : written.error;
}

Loaded load(const QString &folder) {
    const QString path = pathIn(folder);
    Loaded loaded;
    if (!QFile::exists(path))
        return loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = file.errorString();
        return loaded;
    }
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parsed);
    if (!document.isArray()) {
        loaded.error = parsed.error == QJsonParseError::NoError
                           ? QStringLiteral("не список записей")
                           : parsed.errorString();
        return loaded;
    }
    for (const QJsonValue &value : document.array()) {
        const ArchiveRecord record = recordFrom(value.toObject());
        if (!record.id.isEmpty())
            loaded.records.append(record);
    }
    return loaded;
}

} // namespace PendingRecords
