#include "calibration_gas_kits.h"

#include "app_settings.h"
#include "regular_file.h"

#include <QFile>
#include <QtEndian>

CalibrationGasKits DefaultCalibrationGasKits() {
    CalibrationGasKits kits;
    kits.fill(CalibrationGasKit::defaults());
    return kits;
}

namespace CalibrationGasFile {

namespace {

constexpr int kCylinderBytes = GasCylinder::kWordCount * 2;

// The eight words of a cylinder in file order: the three gases, then the reserved words.
template <typename Cylinder, typename Visit> void forEachWord(Cylinder &cylinder, Visit visit) {
    for (auto &word : cylinder.gas)
        visit(word);
    for (auto &word : cylinder.reserved)
        visit(word);
}

} // namespace

QByteArray encode(const CalibrationGasKits &kits) {
    QByteArray bytes(kFileSize, '\0');
    char *out = bytes.data();
    for (const CalibrationGasKit &kit : kits)
        for (const GasCylinder &cylinder : kit.cylinders)
            forEachWord(cylinder, [&out](qint16 word) {
                qToLittleEndian<qint16>(word, out);
                out += 2;
            });
    return bytes;
}

CalibrationGasKits decode(QByteArrayView bytes) {
    CalibrationGasKits kits = DefaultCalibrationGasKits();
    const qsizetype complete = qMin<qsizetype>(bytes.size() / kKitBytes, kKitCount);
    for (int k = 0; k < complete; ++k)
        for (int s = 0; s < CalibrationGasKit::kCylinderCount; ++s) {
            const char *in = bytes.data() + k * kKitBytes + s * kCylinderBytes;
            forEachWord(kits[k].cylinders[s], [&in](qint16 &word) {
                word = qFromLittleEndian<qint16>(in);
                in += 2;
            });
        }
    return kits;
}

CalibrationGasKits load(const QString &path) {
    QFile file(path);
    if (!RegularFile::openForReading(file))
        return DefaultCalibrationGasKits();
    const QByteArray bytes = file.read(kFileSize);
    if (file.error() != QFileDevice::NoError)
        return DefaultCalibrationGasKits();
    return decode(bytes);
}

SafeFile::WriteResult save(const QString &path, const CalibrationGasKits &kits) {
    return SafeFile::write(path, encode(kits));
}

} // namespace CalibrationGasFile

namespace CalibrationGasGrid {

namespace {

constexpr int kWorkingKit = 0;

bool validListIndex(int listIndex) {
    return listIndex >= 0 && listIndex + 1 < CalibrationGasFile::kKitCount;
}

} // namespace

QString title(int row, int column) {
    if (row == 0) {
        if (column == 1)
            return QStringLiteral("Компл.");
        if (column >= 2 && column < kColumnCount)
            return QStringLiteral("    %1").arg(column - 2);
        return QString();
    }
    if (row < 1 || row >= kRowCount)
        return QString();
    const int cylinder = (row - 1) / GasCylinder::kGasCount;
    const int gas = (row - 1) % GasCylinder::kGasCount;
    if (column == 0)
        return QStringLiteral("ПГС %1").arg(cylinder + 1);
    if (column == 1)
        return QStringList{QStringLiteral("   CO"), QStringLiteral("   CH"),
                           QStringLiteral("   CO2")}[gas];
    return QString();
}

ValueTable tableFromKits(const CalibrationGasKits &kits) {
    ValueTable table;
    for (int k = 0; k < CalibrationGasFile::kKitCount; ++k)
        for (int s = 0; s < CalibrationGasKit::kCylinderCount; ++s)
            for (int g = 0; g < GasCylinder::kGasCount; ++g)
                table[CalibrationGasKit::valueIndex(s, g)][k] =
                    QString::number(kits[k].value(s, g));
    return table;
}

void copyKitToWorking(ValueTable &table, int listIndex) {
    if (!validListIndex(listIndex))
        return;
    for (auto &row : table)
        row[kWorkingKit] = row[listIndex + 1];
}

void copyWorkingToKit(ValueTable &table, int listIndex) {
    if (!validListIndex(listIndex))
        return;
    for (auto &row : table)
        row[listIndex + 1] = row[kWorkingKit];
}

void fillWorkingFromAnalyser(ValueTable &table, const std::array<qint32, kValueCount> &values) {
    for (int i = 0; i < kValueCount; ++i)
        table[i][kWorkingKit] = QString::number(values[i]);
}

qint16 parseCell(const QString &text) {
    bool ok = false;
    const short value = text.trimmed().toShort(&ok, 10);
    return ok ? qint16(value) : qint16(0);
}

void acceptTable(const ValueTable &table, CalibrationGasKits &kits, ChangeFlags &flags) {
    for (int k = 0; k < CalibrationGasFile::kKitCount; ++k)
        for (int s = 0; s < CalibrationGasKit::kCylinderCount; ++s)
            for (int g = 0; g < GasCylinder::kGasCount; ++g)
                kits[k].cylinders[s].gas[g] =
                    parseCell(table[CalibrationGasKit::valueIndex(s, g)][k]);
    flags.CalibrationGasChanged = true;
}

} // namespace CalibrationGasGrid
