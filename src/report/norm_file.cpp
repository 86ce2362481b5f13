#include "norm_file.h"

#include "app_settings.h"
#include "regular_file.h"
#include "safe_file.h"

#include <QFile>
#include <QtEndian>

namespace NormFile {

namespace {

constexpr int kStoredCategories[] = {2, 3};

} // namespace

QByteArray encode(const NormTable &table) {
    QByteArray bytes(kFileSize, '\0');
    char *out = bytes.data();
    for (int category : kStoredCategories)
        for (int variant = 0; variant < NormTable::kVariantCount; ++variant)
            for (int column = 0; column < NormSet::kFieldCount; ++column, out += 2)
                qToLittleEndian<qint16>(table.row(category, variant).field(column), out);
    return bytes;
}

NormTable decode(QByteArrayView bytes) {
    NormTable table;
    const qsizetype records = qMin<qsizetype>(bytes.size() / kRecordSize, kRecordCount);
    for (int record = 0; record < records; ++record) {
        const int category = kStoredCategories[record / NormTable::kVariantCount];
        const int variant = record % NormTable::kVariantCount;
        NormSet limits = table.row(category, variant);
        const char *in = bytes.data() + record * kRecordSize;
        // Each field as it stands: a limit outside its channel's scale is shown and judged
        // as such (a CO limit of 0 is no limit, "----").
        for (int column = 0; column < NormSet::kFieldCount; ++column)
            limits.setField(column, qFromLittleEndian<qint16>(in + column * 2));
        table.setRow(category, variant, limits);
    }
    return table;
}

} // namespace NormFile

NormTable LoadNormFile(const QString &path) {
    QFile file(path);
    if (!RegularFile::openForReading(file))
        return NormTable{};
    const QByteArray bytes = file.read(NormFile::kFileSize);
    if (file.error() != QFileDevice::NoError)
        return NormTable{};
    return NormFile::decode(bytes);
}

NormSaveOutcome SaveNormFile(const QString &path, const NormTable &table,
                             const ChangeFlags &flags) {
    if (!flags.NormsModified)
        return NormSaveOutcome::NotModified;
    return SafeFile::write(path, NormFile::encode(table)).ok ? NormSaveOutcome::Saved
                                                             : NormSaveOutcome::Failed;
}
