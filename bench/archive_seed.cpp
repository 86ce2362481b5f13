#include "archive_seed.h"

#include "archive_schema.h"
#include "archive_sql.h"
#include "sqlite_archive_file.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUuid>

#include <random>

namespace {

constexpr char16_t kLetters[] = u"АВЕКМНОРСТУХ";
const QStringList kOwners = {QStringLiteral("Иванов И.И."),    QStringLiteral("Петров П.П."),
                             QStringLiteral("Сидоров С.С."),   QStringLiteral("ООО Автотранс"),
                             QStringLiteral("Кузнецова А.В."), QStringLiteral("ИП Смирнов")};
const QStringList kCategories = {QStringLiteral("M1,N1"), QStringLiteral("M2,M3,N2,N3")};
constexpr int kBatch = 1000;

class Maker {
public:
    explicit Maker(unsigned seed) : random_(seed), seed_(seed) {}

    ArchiveRecord next(int at) {
        ArchiveRecord record;
        // A fixed id per seed and index: the same database every time.
        record.id = QUuid::createUuidV5(QUuid(), QStringLiteral("%1/%2").arg(seed()).arg(at))
                        .toString(QUuid::WithoutBraces);
        record.savedAt = QDateTime(QDate(2025, 1, 1), QTime(8, 0)).addSecs(qint64(at) * 617);
        record.stationLine = QStringLiteral("СТО \"Восток\", пост 1");
        record.vehicleNumber = plate();
        record.detailLabel = QStringLiteral("Владелец:");
        record.detailText = kOwners[pick(kOwners.size())];
        record.category = kCategories[pick(kCategories.size())];
        record.catalyst = pick(2) == 1;
        record.kind = ArchiveDocumentKind(pick(10) == 0 ? 1 + pick(2) : 0);
        for (int slot = 0; slot < 2; ++slot) {
            ArchiveSlot &recorded = record.recordSlots[slot];
            recorded.recorded = true;
            recorded.readings = {number(0, 200, 2), number(0, 400, 0),    number(1300, 1500, 2),
                                 number(0, 100, 2), number(950, 1050, 3), number(700, 3000, 0)};
            for (int channel = 0; channel < 4; ++channel)
                recorded.verdicts[channel] =
                    pick(8) == 0 ? ArchiveVerdict::Fail : ArchiveVerdict::Pass;
            recorded.limits = {slot == 0 ? 50 : 30, 100, slot == 0 ? 0 : 970, slot == 0 ? 0 : 1030};
        }
        record.overall = record.kind == ArchiveDocumentKind::VehicleReport
                             ? (pick(5) == 0 ? ArchiveVerdict::Fail : ArchiveVerdict::Pass)
                             : ArchiveVerdict::NotJudged;
        QStringList lines{QStringLiteral("ОТЧЕТ О ПРОВЕРКЕ СОДЕРЖАНИЯ ВРЕДНЫХ ВЕЩЕСТВ"),
                          record.stationLine, QStringLiteral("Гос. номер: ") + record.vehicleNumber,
                          record.detailLabel + u' ' + record.detailText};
        for (int line = 0; line < 14; ++line)
            lines << QStringLiteral("  CO, %  %1   CH, ppm  %2   CO2, %  %3")
                         .arg(record.recordSlots[0].readings[0], record.recordSlots[0].readings[1],
                              record.recordSlots[0].readings[2]);
        record.documentText = lines.join(QStringLiteral("\r\n"));
        record.fileName = QStringLiteral("/home/post/Velantar/Text/") + record.vehicleNumber +
                          QStringLiteral(".txt");
        return record;
    }

private:
    unsigned seed() const { return seed_; }
    int pick(qsizetype count) {
        return std::uniform_int_distribution<int>(0, int(count) - 1)(random_);
    }
    QString letter() { return QString(QChar(kLetters[pick(std::size(kLetters) - 1)])); }
    QString plate() {
        return letter() + QStringLiteral("%1").arg(pick(1000), 3, 10, QLatin1Char('0')) + letter() +
               letter() + QString::number(pick(2) ? 77 : 199);
    }
    QString number(int low, int high, int decimals) {
        const int value = low + pick(high - low + 1);
        if (decimals == 0)
            return QString::number(value);
        int scale = 1;
        for (int d = 0; d < decimals; ++d)
            scale *= 10;
        return QStringLiteral("%1,%2")
            .arg(value / scale)
            .arg(value % scale, decimals, 10, QLatin1Char('0'));
    }

    std::mt19937 random_;
    unsigned seed_ = 0;
};

} // namespace

namespace ArchiveSeed {

bool fill(QSqlDatabase &db, int count, unsigned seed, QString *error) {
    Maker maker(seed);
    for (int start = 0; start < count; start += kBatch) {
        if (!db.transaction()) {
            if (error)
                *error = db.lastError().text();
            return false;
        }
        for (int at = start; at < std::min(count, start + kBatch); ++at) {
            const ArchiveSql::Inserted inserted = ArchiveSql::insert(db, maker.next(at));
            if (inserted.outcome == ArchiveSql::InsertOutcome::Failed) {
                if (error)
                    *error = inserted.error;
                db.rollback();
                return false;
            }
        }
        if (!db.commit()) {
            if (error)
                *error = db.lastError().text();
            return false;
        }
    }
    return true;
}

QString makeLocalArchive(const QString &folder, int count, unsigned seed) {
    const QString path = QDir(folder).filePath(QString::fromUtf16(SqliteArchiveFile::FileName));
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
    SqliteArchiveFile file(path);
    const SqliteArchiveFile::Opened opened = file.open(QDateTime::currentDateTime());
    if (!opened.ok)
        return opened.error;
    QSqlDatabase db = file.database();
    QString error;
    if (!fill(db, count, seed, &error))
        return error;
    return {};
}

} // namespace ArchiveSeed
