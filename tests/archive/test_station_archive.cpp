#include "archive_server_settings.h"
#include "fixed_clock.h"
#include "pending_records.h"
#include "scripted_prompts.h"
#include "search_key.h"
#include "sqlite_archive_file.h"
#include "station_archive.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {

ArchiveRecord sampleRecord(const QString &number, const QDateTime &at) {
    ArchiveRecord record;
    record.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record.savedAt = at;
    record.stationLine = QStringLiteral("СТО \"Восток\"");
    record.vehicleNumber = number;
    record.detailLabel = QStringLiteral("Владелец:");
    record.detailText = QStringLiteral("Иванов И.И.");
    record.category = QStringLiteral("M1,N1");
    record.catalyst = true;
    record.kind = ArchiveDocumentKind::VehicleReport;
    ArchiveSlot &minimal = record.recordSlots[0];
    minimal.recorded = true;
    minimal.readings = {QStringLiteral("0,35"), QStringLiteral("120"),   QStringLiteral("14,20"),
                        QStringLiteral("0,50"), QStringLiteral("1,002"), QStringLiteral("780")};
    minimal.verdicts[0] = ArchiveVerdict::Pass;
    minimal.verdicts[1] = ArchiveVerdict::Fail;
    minimal.limits = {50, 100, 0, 0};
    record.recordSlots[1].limits = {30, 100, 970, 1030};
    record.overall = ArchiveVerdict::Fail;
    record.documentText = QStringLiteral("ОТЧЕТ\r\nГос. номер: ") + number;
    record.fileName = QStringLiteral("/work/Text/") + number + QStringLiteral(".txt");
    return record;
}

// Added and committed; else the archive's reason is the failure's text.
void verifyStored(TestArchive &archive, const ArchiveRecord &record) {
    const TestArchive::AddResult added = archive.add(record);
    QVERIFY2(added.stored, qPrintable(added.reason));
}

QStringList numbersOf(const QList<ArchiveSummary> &summaries) {
    QStringList numbers;
    for (const ArchiveSummary &summary : summaries)
        numbers << summary.vehicleNumber;
    return numbers;
}

} // namespace

class TestStationArchive : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordsAndRevisionsComeBackWhole();
    void searchKeyFoldsLookAlikes_data();
    void searchKeyFoldsLookAlikes();
    void searchFinds_data();
    void searchFinds();
    void olderArchiveIsSearchedByPiecesOnceMigrated();
    void damagedFileIsKeptAsideAndANewOneStarted();
    void unreachableServerQueuesTheRecord();
    void unstoredRecordsWaitForTheNextStart();
    void passwordReadableByOthersIsNotUsed();

private:
    QDateTime at(int day, int hour) const {
        return QDateTime(QDate(2026, 12, day), QTime(hour, 5, 30, 123));
    }
};

void TestStationArchive::recordsAndRevisionsComeBackWhole() {
    QTemporaryDir folder;
    FixedClock clock(at(9, 10));
    ScriptedPrompts prompts;
    const ArchiveRecord first = sampleRecord(QStringLiteral("А123ВС77"), at(9, 10));
    ArchiveRecord revision = first;
    revision.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    revision.revisionOf = first.id;
    revision.savedAt = at(9, 11);
    {
        StationArchive archive(folder.path(), clock, prompts);
        verifyStored(archive, first);
        verifyStored(archive, revision);
        QVERIFY(archive.statusText().isEmpty());
    }
    // A new run reads what the last one committed.
    StationArchive archive(folder.path(), clock, prompts);
    QCOMPARE(archive.record(first.id), first);
    QCOMPARE(archive.record(revision.id), revision);
    const QList<ArchiveSummary> listed = archive.find({});
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed[0].id, revision.id); // newest first
    QCOMPARE(listed[0].revisionOf, first.id);
    QVERIFY(!archive.record(QStringLiteral("no-such-id")));
    QVERIFY(prompts.shown.isEmpty());
}

void TestStationArchive::searchKeyFoldsLookAlikes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    QTest::newRow("Cyrillic look-alikes") << QStringLiteral("АВЕКМНОРСТУХ") << "ABEKMHOPCTYX";
    QTest::newRow("lower case, blanks") << QStringLiteral("а 123 вс 77") << "A123BC77";
    QTest::newRow("Latin stays") << QStringLiteral("x001yz") << "X001YZ";
    QTest::newRow("other Cyrillic kept, upper") << QStringLiteral("Иванов") << "ИBAHOB";
}

void TestStationArchive::searchKeyFoldsLookAlikes() {
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QCOMPARE(ArchiveSearch::key(typed), key);
}

void TestStationArchive::searchFinds_data() {
    QTest::addColumn<ArchiveFilter>("filter");
    QTest::addColumn<QStringList>("numbers");
    const auto number = [](const QString &text) {
        ArchiveFilter filter;
        filter.vehicleNumber = text;
        return filter;
    };
    QTest::newRow("Latin typed, Cyrillic stored")
        << number(QStringLiteral("a123")) << QStringList{QStringLiteral("А123ВС77")};
    QTest::newRow("any part") << number(QStringLiteral("вс7"))
                              << QStringList{QStringLiteral("А123ВС77")};
    QTest::newRow("percent is a letter")
        << number(QStringLiteral("%")) << QStringList{QStringLiteral("50%_X")};
    QTest::newRow("underscore is a letter")
        << number(QStringLiteral("_x")) << QStringList{QStringLiteral("50%_X")};
    QTest::newRow("looked up by its pieces, % and _ among them")
        << number(QStringLiteral("50%_")) << QStringList{QStringLiteral("50%_X")};
    QTest::newRow("the whole number")
        << number(QStringLiteral("a 123 bc 77")) << QStringList{QStringLiteral("А123ВС77")};
    QTest::newRow("every piece there, the fragment not")
        << number(QStringLiteral("7777")) << QStringList{};
    ArchiveFilter days;
    days.from = QDate(2026, 12, 2);
    days.to = QDate(2026, 12, 2);
    QTest::newRow("date range inclusive") << days << QStringList{QStringLiteral("В777ОР99")};
    ArchiveFilter passed;
    passed.verdict = ArchiveVerdict::Pass;
    QTest::newRow("verdict") << passed << QStringList{QStringLiteral("50%_X")};
    ArchiveFilter detail;
    detail.detailText = QStringLiteral("иван");
    QTest::newRow("detail") << detail
                            << QStringList{QStringLiteral("50%_X"), QStringLiteral("В777ОР99"),
                                           QStringLiteral("А123ВС77")};
    ArchiveFilter newest;
    newest.limit = 1;
    QTest::newRow("limit") << newest << QStringList{QStringLiteral("50%_X")};
}

void TestStationArchive::searchFinds() {
    QFETCH(ArchiveFilter, filter);
    QFETCH(QStringList, numbers);
    QTemporaryDir folder;
    FixedClock clock(at(9, 10));
    ScriptedPrompts prompts;
    StationArchive archive(folder.path(), clock, prompts);
    archive.add(sampleRecord(QStringLiteral("А123ВС77"), at(1, 23)));
    archive.add(sampleRecord(QStringLiteral("В777ОР99"), at(2, 0)));
    ArchiveRecord passing = sampleRecord(QStringLiteral("50%_X"), at(3, 8));
    passing.overall = ArchiveVerdict::Pass;
    archive.add(passing);
    QCOMPARE(numbersOf(archive.find(filter)), numbers);
}

void TestStationArchive::olderArchiveIsSearchedByPiecesOnceMigrated() {
    QTemporaryDir folder;
    FixedClock clock(at(9, 10));
    ScriptedPrompts prompts;
    {
        StationArchive archive(folder.path(), clock, prompts);
        verifyStored(archive, sampleRecord(QStringLiteral("А123ВС77"), at(1, 8)));
        verifyStored(archive, sampleRecord(QStringLiteral("В777ОР99"), at(2, 8)));
    }
    // The file as the version before the pieces' table left it.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "older");
        db.setDatabaseName(QDir(folder.path()).filePath(QStringLiteral("archive.sqlite")));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("DROP TABLE test_number_gram")));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM schema_version WHERE version >= 3")));
    }
    QSqlDatabase::removeDatabase("older");
    StationArchive archive(folder.path(), clock, prompts);
    ArchiveFilter filter;
    filter.vehicleNumber = QStringLiteral("23вс");
    QCOMPARE(numbersOf(archive.find(filter)), QStringList{QStringLiteral("А123ВС77")});
    filter.vehicleNumber = QStringLiteral("777ор");
    QCOMPARE(numbersOf(archive.find(filter)), QStringList{QStringLiteral("В777ОР99")});
    QVERIFY(prompts.shown.isEmpty());
}

void TestStationArchive::damagedFileIsKeptAsideAndANewOneStarted() {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("archive.sqlite"));
    QFile garbage(path);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, 'x'));
    garbage.close();
    FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(17, 12)));
    ScriptedPrompts prompts;
    StationArchive archive(folder.path(), clock, prompts);
    const ArchiveRecord record = sampleRecord(QStringLiteral("А123ВС77"), clock.time);
    verifyStored(archive, record);
    const QString aside =
        QDir(folder.path()).filePath(QStringLiteral("archive-damaged-2026-12-09-1712.sqlite"));
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray(8192, 'x'));
    QCOMPARE(prompts.shown.size(), 1);
    QVERIFY(prompts.shown[0].contains(QDir::toNativeSeparators(aside)));
    QCOMPARE(archive.record(record.id), record);
}

void TestStationArchive::unreachableServerQueuesTheRecord() {
    // A privileged port no server listens on: the connection is refused at once.
    const int port = 1;
    QTemporaryDir folder;
    FixedClock clock(at(9, 10));
    ScriptedPrompts prompts;
    StationArchive archive(folder.path(), clock, prompts);
    archive.setServer({QStringLiteral("127.0.0.1"),
                       port,
                       QStringLiteral("velantar"),
                       QStringLiteral("nobody"),
                       {}});
    const ArchiveRecord record = sampleRecord(QStringLiteral("А123ВС77"), clock.time);
    const TestArchive::AddResult added = archive.add(record);
    QVERIFY(added.stored);
    QVERIFY(added.queued);
    QCOMPARE(archive.statusText(), QString::fromUtf16(StationArchive::ServerUnreachable));
    QCOMPARE(archive.queuedCount(), 1);
    // The list falls back to the post's own copy.
    QCOMPARE(archive.record(record.id), record);
    QCOMPARE(archive.find({}).size(), 1);
}

void TestStationArchive::unstoredRecordsWaitForTheNextStart() {
    // A folder where the archive file should be: the local store refuses every record.
    QTemporaryDir folder;
    const QDir dir(folder.path());
    QVERIFY(dir.mkdir(QStringLiteral("archive.sqlite")));
    const QString pending = dir.filePath(QString::fromUtf16(PendingRecords::FileName));
    FixedClock clock(at(9, 10));
    ScriptedPrompts prompts;
    ArchiveRecord first = sampleRecord(QStringLiteral("А123ВС77"), at(9, 10));
    first.revisionOf = QUuid::createUuid().toString(QUuid::WithoutBraces);
    first.graphFileName = QStringLiteral("/work/Graph/А123ВС77.grf");
    first.recordSlots[2].references[0] = QStringLiteral("1,50");
    first.recordSlots[2].deviations[0] = QStringLiteral("-2,1");
    const ArchiveRecord second = sampleRecord(QStringLiteral("В777ОР99"), at(9, 11));
    {
        StationArchive archive(folder.path(), clock, prompts);
        // Nor can the file that keeps them for the next run be written: the operator is told.
        QVERIFY(dir.mkdir(QString::fromUtf16(PendingRecords::FileName)));
        TestArchive::AddResult added = archive.add(first);
        QVERIFY(!added.stored);
        QVERIFY2(added.reason.contains(QDir::toNativeSeparators(pending)),
                 qPrintable(added.reason));
        QVERIFY(dir.rmdir(QString::fromUtf16(PendingRecords::FileName)));
        added = archive.add(second);
        QVERIFY(!added.stored);
        QVERIFY2(!added.reason.contains(QDir::toNativeSeparators(pending)),
                 qPrintable(added.reason));
        QVERIFY(QFile::exists(pending));
    }
    QVERIFY(dir.rmdir(QStringLiteral("archive.sqlite")));
    StationArchive archive(folder.path(), clock, prompts);
    archive.storePending();
    QCOMPARE(archive.record(first.id), first);
    QCOMPARE(archive.record(second.id), second);
    QVERIFY(!QFile::exists(pending));
    QVERIFY(prompts.shown.isEmpty());
}

void TestStationArchive::passwordReadableByOthersIsNotUsed() {
    QTemporaryDir folder;
    ArchiveServerSettings settings{QStringLiteral("db.station"), 5433, QStringLiteral("register"),
                                   QStringLiteral("post1"), QStringLiteral("secret")};
    QVERIFY(ArchiveServerFile::save(folder.path(), settings).ok);
    const QString password = QDir(folder.path()).filePath(QStringLiteral("archive.password"));
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(password) & others, QFile::Permissions());
    ArchiveServerFile::Loaded loaded = ArchiveServerFile::load(folder.path());
    QCOMPARE(loaded.settings, settings);
    QVERIFY(loaded.warning.isEmpty());
    QFile::setPermissions(password, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    loaded = ArchiveServerFile::load(folder.path());
    QVERIFY(loaded.settings.password.isEmpty());
    QVERIFY(loaded.warning.contains(QDir::toNativeSeparators(password)));
}

QTEST_GUILESS_MAIN(TestStationArchive)
#include "test_station_archive.moc"
