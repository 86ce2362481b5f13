#include "archive_record_builder.h"
#include "test_report.h"
#include "vehicle_data.h"

#include <QTest>

namespace {

// Minimal speed: CO 0,50 %, CH 100 ppm, at most 900 rpm; elevated: CO 0,30 %, CH 100 ppm,
// lambda 0,970..1,030, 2400..3000 rpm.
NormSet limits() {
    NormSet set;
    set.CoIdle = 50;
    set.CoElevated = 30;
    set.ChIdle = 100;
    set.ChElevated = 100;
    set.LambdaMin = 970;
    set.LambdaMax = 1030;
    set.IdleRpmMax = 900;
    set.ElevatedRpmMin = 2400;
    set.ElevatedRpmMax = 3000;
    return set;
}

ReadingSample sample(qint16 co, qint16 ch, qint16 lambda, qint16 rpm) {
    return {co, ch, 1420, 50, lambda, rpm};
}

using Verdicts = QList<int>; // CO, CH, lambda, rpm verdicts of slots 0 and 1

} // namespace

class TestArchiveRecordBuilder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void vehicleReportIsJudgedByTheNorms_data();
    void vehicleReportIsJudgedByTheNorms();
    void protocolKeepsReferencesAndDeviations();
};

void TestArchiveRecordBuilder::vehicleReportIsJudgedByTheNorms_data() {
    QTest::addColumn<QList<ReadingSample>>("recorded"); // slot 0, then slot 1
    QTest::addColumn<Verdicts>("verdicts");
    QTest::addColumn<int>("overall");
    constexpr int n = int(ArchiveVerdict::NotJudged);
    constexpr int p = int(ArchiveVerdict::Pass);
    constexpr int f = int(ArchiveVerdict::Fail);
    QTest::newRow("nothing recorded")
        << QList<ReadingSample>{} << Verdicts{n, n, n, n, n, n, n, n} << n;
    QTest::newRow("both within") << QList<ReadingSample>{sample(40, 90, 1000, 800),
                                                         sample(20, 90, 1000, 2600)}
                                 << Verdicts{p, p, n, p, p, p, p, p} << p;
    QTest::newRow("CO over the elevated limit")
        << QList<ReadingSample>{sample(40, 90, 1000, 800), sample(31, 90, 1000, 2600)}
        << Verdicts{p, p, n, p, f, p, p, p} << f;
    QTest::newRow("lambda outside the window")
        << QList<ReadingSample>{sample(40, 90, 1000, 800), sample(20, 90, 1031, 2600)}
        << Verdicts{p, p, n, p, p, p, f, p} << f;
    QTest::newRow("speed out of band alone is no failure")
        << QList<ReadingSample>{sample(40, 90, 1000, 950)} << Verdicts{p, p, n, f, n, n, n, n} << p;
}

void TestArchiveRecordBuilder::vehicleReportIsJudgedByTheNorms() {
    QFETCH(QList<ReadingSample>, recorded);
    QFETCH(Verdicts, verdicts);
    QFETCH(int, overall);
    TestReport report;
    for (int slot = 0; slot < recorded.size(); ++slot)
        QVERIFY(report.RecordMeasurement(slot, recorded[slot]));
    const VehicleData vehicle{QStringLiteral("СТО"), QStringLiteral(" А123ВС77 "),
                              QStringLiteral("Иванов"), QStringLiteral("Владелец:")};
    const QDateTime at(QDate(2026, 12, 9), QTime(10, 0));
    const ArchiveRecord record = BuildArchiveRecord({report,
                                                     vehicle,
                                                     VehicleReport,
                                                     1,
                                                     2,
                                                     limits(),
                                                     {QStringLiteral("a"), QStringLiteral("b")},
                                                     QStringLiteral("/w/Text/a.txt"),
                                                     at});
    Verdicts judged;
    for (int slot : {0, 1})
        for (Channel channel : {Channel::Co, Channel::Ch, Channel::Lambda, Channel::Rpm})
            judged << int(record.recordSlots[slot].verdicts[index(channel)]);
    QCOMPARE(judged, verdicts);
    QCOMPARE(int(record.overall), overall);
    QCOMPARE(record.recordSlots[0].limits, (ArchiveLimits{50, 100, 0, 0}));
    QCOMPARE(record.recordSlots[1].limits, (ArchiveLimits{30, 100, 970, 1030}));
    QCOMPARE(record.vehicleNumber, QStringLiteral("А123ВС77"));
    QCOMPARE(record.category, QStringLiteral("M2,M3,N2,N3"));
    QVERIFY(record.catalyst);
    QCOMPARE(record.documentText, QStringLiteral("a\r\nb"));
    QCOMPARE(record.recordSlots[0].recorded, !recorded.isEmpty());
}

void TestArchiveRecordBuilder::protocolKeepsReferencesAndDeviations() {
    TestReport report;
    CalibrationGasKit kit;
    kit.cylinders[0].gas = {100, 200, 1000};
    report.FillReferences(kit);
    QVERIFY(report.RecordMeasurement(0, sample(110, 200, 1000, 0)));
    const VehicleData vehicle;
    const ArchiveRecord record = BuildArchiveRecord(
        {report, vehicle, ExtendedProtocol, 0, 0, limits(), {}, QStringLiteral("p.txt"), {}});
    QCOMPARE(record.kind, ArchiveDocumentKind::ExtendedProtocol);
    QCOMPARE(record.overall, ArchiveVerdict::NotJudged);
    const ArchiveSlot &gas1 = record.recordSlots[0];
    QCOMPARE(gas1.readings[index(Channel::Co)], report.Cells()[0][0][ReadingColumn].trimmed());
    QCOMPARE(gas1.references[index(Channel::Co)], report.Cells()[0][0][ReferenceColumn].trimmed());
    QCOMPARE(gas1.deviations[index(Channel::Co)], QStringLiteral("10,00"));
    QCOMPARE(gas1.limits, ArchiveLimits{});
    QVERIFY(!record.recordSlots[1].recorded);
    QVERIFY(!record.catalyst);
}

QTEST_GUILESS_MAIN(TestArchiveRecordBuilder)
#include "test_archive_record_builder.moc"
