#include "readings_source.h"
#include "status_texts.h"
#include "tvelantar.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using Feed = std::function<void(ReadingsSource &)>;
Q_DECLARE_METATYPE(Feed)

// The readings source is the one owner of the readings, of whether they are current and of
// the link status text: each feed event below says what it changes and which signals fire.
class TestReadingsSource : public QObject {
    Q_OBJECT

    static ReadingSample someSample() { return {327, 1007, 507, 1007, 1007, 807}; }

private slots:
    void initTestCase() { qRegisterMetaType<Feed>(); }

    // Nothing has been measured at start-up.
    void startsNotCurrentWithNothingFeeding() {
        const ReadingsSource source;
        QVERIFY(!source.isCurrent());
        QCOMPARE(source.linkStatus(), LinkStatus::NotConnected.toString());
        QVERIFY(!source.isPolling() && !source.isDemonstrating());
        QCOMPARE(source.readings().analyserKind, AnalyserKind::FourComponent);
    }

    // Each event from a given start: the currency after it, whether currencyChanged fired,
    // the link status it announced (none: no announcement), and polling and demonstrating.
    void feedEvents_data() {
        QTest::addColumn<Feed>("before");
        QTest::addColumn<Feed>("event");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("currencySignal");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("polling");
        QTest::addColumn<bool>("demonstrating");

        const Feed nothing = [](ReadingsSource &) {};
        const Feed polling = [](ReadingsSource &s) {
            s.analyserFound(AnalyserKind::FourComponent);
            s.cycleAnswered();
        };
        const Feed notCurrent = [](ReadingsSource &s) { s.linkLost(); };
        const Feed demonstrating = [](ReadingsSource &s) {
            s.demonstrationSwitched(true, LinkStatus::Demonstration.toString());
        };
        const Feed demonstrationShown = [](ReadingsSource &s) {
            s.demonstrationSwitched(true, LinkStatus::Demonstration.toString());
            s.demonstrationSample(someSample());
        };
        const QString none;
        const QString notConnected = LinkStatus::NotConnected.toString();

        QTest::newRow("a search with nothing fed: still not current")
            << nothing << Feed([](ReadingsSource &s) { s.searchStarted(); }) << false << false
            << notConnected << false << false;
        QTest::newRow("a search leaves the demonstration's readings behind as not current")
            << demonstrationShown << Feed([](ReadingsSource &s) { s.searchStarted(); }) << false
            << true << notConnected << false << true;
        QTest::newRow("a search leaves polled readings behind as not current")
            << polling << Feed([](ReadingsSource &s) { s.searchStarted(); }) << false << true
            << notConnected << false << false;
        QTest::newRow("a found analyser is not current before a cycle")
            << nothing
            << Feed([](ReadingsSource &s) { s.analyserFound(AnalyserKind::TwoComponent); }) << false
            << false << LinkStatus::TwoComponent.toString() << true << false;
        QTest::newRow("an unknown analyser is named so")
            << nothing << Feed([](ReadingsSource &s) { s.analyserFound(AnalyserKind::Unknown); })
            << false << false << LinkStatus::UnknownAnalyser.toString() << true << false;
        QTest::newRow("a cycle with answers makes them current")
            << Feed([](ReadingsSource &s) { s.analyserFound(AnalyserKind::FourComponent); })
            << Feed([](ReadingsSource &s) { s.cycleAnswered(); }) << true << true << none << true
            << false;
        QTest::newRow("a lost link") << polling << Feed([](ReadingsSource &s) { s.linkLost(); })
                                     << false << true << notConnected << false << false;
        QTest::newRow("polling stopped without a loss: the values are no longer current")
            << polling << Feed([](ReadingsSource &s) { s.pollingStopped(); }) << false << true
            << none << false << false;
        QTest::newRow("the demonstration switched on")
            << notCurrent << demonstrating << false << false << LinkStatus::Demonstration.toString()
            << false << true;
        QTest::newRow("a demonstration sample is current, even after a loss")
            << notCurrent << Feed([](ReadingsSource &s) { s.demonstrationSample(someSample()); })
            << true << true << none << false << false;
        QTest::newRow("the demonstration switched on over polled readings")
            << polling << demonstrating << false << true << LinkStatus::Demonstration.toString()
            << true << true;
        QTest::newRow("the demonstration switched off: its last values are not current")
            << demonstrationShown << Feed([](ReadingsSource &s) {
                   s.demonstrationSwitched(false, LinkStatus::NotConnected.toString());
               })
            << false << true << notConnected << false << false;
        QTest::newRow("a connection interrupts the demonstration without a status")
            << demonstrationShown << Feed([](ReadingsSource &s) { s.demonstrationInterrupted(); })
            << false << true << none << false << false;
    }
    void feedEvents() {
        QFETCH(Feed, before);
        QFETCH(Feed, event);
        QFETCH(bool, current);
        QFETCH(bool, currencySignal);
        QFETCH(QString, status);
        QFETCH(bool, polling);
        QFETCH(bool, demonstrating);

        ReadingsSource source;
        before(source);
        QSignalSpy currency(&source, &ReadingsSource::currencyChanged);
        QSignalSpy linkStatus(&source, &ReadingsSource::linkStatusChanged);
        event(source);

        QCOMPARE(source.isCurrent(), current);
        QCOMPARE(source.readings().ReadingsCurrent, current);
        QCOMPARE(currency.size(), currencySignal ? 1 : 0);
        if (currencySignal)
            QCOMPARE(currency.first().first().toBool(), current);
        QCOMPARE(linkStatus.size(), status.isNull() ? 0 : 1);
        if (!status.isNull()) {
            QCOMPARE(linkStatus.first().first().toString(), status);
            QCOMPARE(source.linkStatus(), status);
        }
        QCOMPARE(source.isPolling(), polling);
        QCOMPARE(source.isDemonstrating(), demonstrating);
    }

    // What "Пуск/стоп" puts back in the status field when the indication runs again.
    void runningLinkStatus_data() {
        QTest::addColumn<Feed>("feed");
        QTest::addColumn<QString>("status");
        QTest::newRow("nothing feeding")
            << Feed([](ReadingsSource &) {}) << LinkStatus::NotConnected.toString();
        QTest::newRow("polling a two-component analyser")
            << Feed([](ReadingsSource &s) { s.analyserFound(AnalyserKind::TwoComponent); })
            << LinkStatus::TwoComponent.toString();
        QTest::newRow("polling an unknown analyser reads as four-component")
            << Feed([](ReadingsSource &s) { s.analyserFound(AnalyserKind::Unknown); })
            << LinkStatus::FourComponent.toString();
        QTest::newRow("after a loss") << Feed([](ReadingsSource &s) {
            s.analyserFound(AnalyserKind::TwoComponent);
            s.linkLost();
        }) << LinkStatus::NotConnected.toString();
        QTest::newRow("the demonstration") << Feed([](ReadingsSource &s) {
            s.demonstrationSwitched(true, LinkStatus::Demonstration.toString());
        }) << LinkStatus::Demonstration.toString();
    }
    void runningLinkStatus() {
        QFETCH(Feed, feed);
        QFETCH(QString, status);
        ReadingsSource source;
        feed(source);
        QCOMPARE(source.runningLinkStatus(), status);
    }

    // Only the values a feed delivers change; the rest of the readings stay.
    void aDemonstrationSampleChangesOnlyTheSample() {
        ReadingsSource source;
        source.analyserFound(AnalyserKind::TwoComponent);
        source.takeDeviceClock(QStringLiteral("08.12.2026"), QStringLiteral("12:00:00"));
        QSignalSpy changed(&source, &ReadingsSource::readingsChanged);
        source.demonstrationSample(someSample());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(source.readings().sample, someSample());
        QCOMPARE(source.readings().analyserKind, AnalyserKind::TwoComponent);
        QCOMPARE(source.readings().deviceTimeText, QStringLiteral("12:00:00"));
    }

    void aDecodedCopyIsAnnounced() {
        ReadingsSource source;
        TVelantar analyser;
        analyser.Decode();
        QSignalSpy changed(&source, &ReadingsSource::readingsChanged);
        QSignalSpy currency(&source, &ReadingsSource::currencyChanged);
        source.takeDecoded(analyser, true);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(currency.size(), 0); // a copy alone does not make readings current
    }
};

QTEST_GUILESS_MAIN(TestReadingsSource)
#include "test_readings_source.moc"
