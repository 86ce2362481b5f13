#include "analyser_requests.h"
#include "answer_frames.h"
#include "app_settings.h"
#include "indication_switch.h"
#include "link_loss_policy.h"
#include "link_rig.h"
#include "serial_port_policy.h"
#include "status_texts.h"

#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(AnalyserRequest)

// A lost link is never shown as a live one, and the link comes back by itself.
class TestLinkLoss : public QObject {
    Q_OBJECT

    using Health = LinkLossPolicy::Health;

    // Polls a found analyser until the readings are current: answers, a whole cycle, and
    // the answer to its last request.
    static void pollAWholeCycle(LinkRig &rig) {
        rig.channel.incoming = AnswerFrames::wordAnswer(307, 250);
        rig.link.Timer1Timer();
        for (int tick = 0; tick < 10; ++tick)
            rig.link.Timer2Timer();
        rig.channel.incoming = AnswerFrames::wordAnswer(54, 0);
        rig.link.Timer1Timer();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void decisions_data() {
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<qint64>("silentMs");
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("health");
        QTest::newRow("answers within the limit")
            << true << qint64(1999) << 66 << int(Health::Alive);
        QTest::newRow("two seconds of unanswered requests")
            << true << qint64(2000) << 15 << int(Health::Silent);
        QTest::newRow("program held up, little sent")
            << true << qint64(60000) << 14 << int(Health::Alive);
        QTest::newRow("port closed, answers fresh")
            << false << qint64(0) << 0 << int(Health::PortGone);
        QTest::newRow("port closed and silent")
            << false << qint64(9000) << 300 << int(Health::PortGone);
    }
    void decisions() {
        QFETCH(bool, portOpen);
        QFETCH(qint64, silentMs);
        QFETCH(int, requests);
        QFETCH(int, health);
        QCOMPARE(int(LinkLossPolicy::judge(portOpen, silentMs, requests)), health);
    }

    void requestsThatExpectAnswers_data() {
        QTest::addColumn<AnalyserRequest>("request");
        QTest::addColumn<bool>("answered");
        QTest::newRow("word read") << AnalyserRequests::wordRead(1773) << true;
        QTest::newRow("byte read") << AnalyserRequests::byteRead(377) << true;
        QTest::newRow("second-space read") << AnalyserRequests::typeRequest() << true;
        QTest::newRow("byte write") << AnalyserRequests::byteWrite(377, 0x40) << false;
        QTest::newRow("header byte write") << AnalyserRequests::auxByteWrite(300, 65) << false;
        QTest::newRow("pump, first form") << AnalyserRequest{0x30, 56, 64} << false;
        QTest::newRow("pump, second form") << AnalyserRequest{0xB0, 56, 64} << false;
    }
    void requestsThatExpectAnswers() {
        QFETCH(AnalyserRequest, request);
        QTEST(AnalyserRequests::expectsAnswer(request.header), "answered");
    }

    void afterGivingUp_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("lost");
        QTest::addColumn<bool>("tellUser");
        QTest::addColumn<bool>("retry");
        QTest::newRow("the user's search, link never lost") << false << false << true << false;
        QTest::newRow("the user's search while lost") << false << true << true << true;
        QTest::newRow("the link's own search") << true << true << false << true;
    }
    void afterGivingUp() {
        QFETCH(bool, automatic);
        QFETCH(bool, lost);
        const LinkLossPolicy::AfterGivingUp next = LinkLossPolicy::afterGivingUp(automatic, lost);
        QTEST(next.tellUser, "tellUser");
        QTEST(next.retry, "retry");
    }

    void portErrors_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("fatal");
        QTest::newRow("adapter unplugged") << int(QSerialPort::ResourceError) << true;
        QTest::newRow("device gone") << int(QSerialPort::DeviceNotFoundError) << true;
        QTest::newRow("taken by another program") << int(QSerialPort::PermissionError) << true;
        QTest::newRow("not open") << int(QSerialPort::NotOpenError) << true;
        QTest::newRow("framing, parity: line noise") << int(QSerialPort::ReadError) << false;
        QTest::newRow("slow write") << int(QSerialPort::TimeoutError) << false;
        QTest::newRow("no error") << int(QSerialPort::NoError) << false;
    }
    void portErrors() {
        QFETCH(int, error);
        QTEST(SerialPortPolicy::isFatal(QSerialPort::SerialPortError(error)), "fatal");
    }

    // Polling stops, the readings stop being current, the user gets one notice that blocks
    // nothing, and a search is planned; answers or a short silence change nothing.
    void aLostLinkIsShownAsLost_data() {
        QTest::addColumn<bool>("closePort");
        QTest::addColumn<qint64>("silentMs");
        QTest::addColumn<int>("requests"); // send ticks meanwhile
        QTest::addColumn<bool>("headerWrite");
        QTest::addColumn<bool>("bytesArrive");
        QTest::addColumn<bool>("lost");
        QTest::addColumn<QString>("noticeStart");
        QTest::newRow("adapter unplugged") << true << qint64(0) << 0 << false << false << true
                                           << QStringLiteral("Порт газоанализатора закрылся");
        QTest::newRow("analyser switched off")
            << false << qint64(2000) << 66 << false << false << true
            << QStringLiteral("Газоанализатор перестал отвечать.");
        QTest::newRow("a short pause")
            << false << qint64(1990) << 66 << false << false << false << QString();
        QTest::newRow("the program held up, nothing sent")
            << false << qint64(60000) << 1 << false << false << false << QString();
        QTest::newRow("a header write: 128 frames without answer")
            << false << qint64(4000) << 135 << true << false << false << QString();
        QTest::newRow("a late answer after a long wait")
            << false << qint64(60000) << 66 << false << true << false << QString();
    }
    void aLostLinkIsShownAsLost() {
        QFETCH(bool, closePort);
        QFETCH(qint64, silentMs);
        QFETCH(int, requests);
        QFETCH(bool, headerWrite);
        QFETCH(bool, bytesArrive);
        QFETCH(bool, lost);
        QFETCH(QString, noticeStart);
        LinkRig rig;
        rig.connect(LinkRig::FourComponentAnswer);
        pollAWholeCycle(rig);
        QVERIFY(rig.readings.ReadingsCurrent);

        if (closePort)
            rig.channel.Close();
        if (headerWrite) { // from its first frame on
            rig.link.pollCycle().startHeaderWrite({});
            rig.link.pollCycle().setStep(15);
        }
        for (int tick = 0; tick < requests; ++tick)
            rig.link.Timer2Timer();
        rig.nowMs += silentMs;
        if (bytesArrive)
            rig.channel.incoming = AnswerFrames::wordAnswer(309, 100);
        for (int tick = 0; tick < 3; ++tick) // later ticks add no second notice
            if (rig.link.isPolling())
                rig.link.Timer1Timer();

        QCOMPARE(rig.link.isPolling(), !lost);
        QCOMPARE(rig.link.sendTimer().isActive(), !lost);
        QCOMPARE(rig.readings.ReadingsCurrent, !lost);
        QCOMPARE(rig.link.isLost(), lost);
        QCOMPARE(rig.link.reconnectTimer().isActive(), lost);
        QCOMPARE(rig.view.lossNotices.size(), lost ? 1 : 0);
        if (lost) {
            QVERIFY(rig.view.lossNotices.first().startsWith(noticeStart));
            QCOMPARE(rig.view.linkStatus.last(), LinkStatus::NotConnected.toString());
            QCOMPARE(rig.view.menus.last(), int(ModeIndication::NoMenu));
            QCOMPARE(rig.view.pump.last(), ModeIndication::Unknown);
            QCOMPARE(rig.view.fuel.last(), ModeIndication::Unknown);
            QVERIFY(!rig.channel.IsOpen());
        }
        QVERIFY(rig.prompts.shown.isEmpty()); // nothing modal
        QCOMPARE(rig.view.lost, 0);           // the program does not close
    }

    // After a loss the same search runs again and again by itself, quietly, until the
    // analyser answers; the user's own "Связь" still says when it finds nothing.
    void searchesAfterALoss_data() {
        QTest::addColumn<bool>("usersOwn");
        QTest::addColumn<int>("roundsAway");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("back at the first round") << false << 0 << QStringList();
        QTest::newRow("away for three rounds") << false << 3 << QStringList();
        QTest::newRow("the user's search finds nothing, then the link's finds it")
            << true << 1 << QStringList{QStringLiteral("Прибор не обнаружен !")};
    }
    void searchesAfterALoss() {
        QFETCH(bool, usersOwn);
        QFETCH(int, roundsAway);
        LinkRig rig;
        rig.connect(LinkRig::FourComponentAnswer);
        rig.channel.Close();
        rig.channel.existingPorts = {}; // unplugged
        rig.link.Timer1Timer();
        QVERIFY(rig.link.isLost());
        const int startsBefore = rig.view.starts;

        for (int round = 0; round < roundsAway; ++round) {
            QVERIFY(rig.link.reconnectTimer().isActive());
            if (usersOwn)
                rig.link.startConnection();
            else
                rig.link.ReconnectTimerTimer();
            QVERIFY(rig.link.isSearching());
            rig.runSearch(false);
            QVERIFY(!rig.link.isSearching() && !rig.link.isPolling());
        }
        QVERIFY(rig.link.reconnectTimer().isActive());
        QCOMPARE(rig.link.reconnectTimer().interval(), LinkLossPolicy::RetryIntervalMs);

        rig.channel.existingPorts = {1}; // plugged in again
        rig.link.ReconnectTimerTimer();
        rig.runSearch(true);
        QVERIFY(rig.link.isPolling());
        QVERIFY(!rig.link.isLost() && !rig.link.reconnectTimer().isActive());
        QCOMPARE(rig.view.restored, 1);
        QCOMPARE(rig.view.lossNotices.size(), 1);
        QTEST(rig.prompts.shown, "boxes");
        // Only the user's own search restarts the indication and the view refresh; the
        // link's own reconnect is no new detection (no graph start, no info page).
        QCOMPARE(rig.view.starts - startsBefore, usersOwn ? roundsAway : 0);
        QCOMPARE(rig.view.found.size(), 1);
        QCOMPARE(rig.view.linkStatus.last(), LinkStatus::FourComponent.toString());
    }

    // The link's own search after a loss opens only the device the analyser was on: not
    // the other device that now holds a port number of the range, nor a port at all while
    // the analyser's device is gone.
    void theSearchAfterALossTriesOnlyTheAnalysersDevice() {
        LinkRig rig;
        rig.settings.set(&AppSettings::PortScanRange, 1); // COM1..COM4
        rig.connect(LinkRig::FourComponentAnswer);
        rig.channel.Close();
        rig.channel.existingPorts = {2, 3}; // the analyser's adapter gone, others there
        rig.link.Timer1Timer();
        QVERIFY(rig.link.isLost());
        rig.channel.openedPorts.clear();
        for (int round = 0; round < 2; ++round) {
            rig.link.ReconnectTimerTimer();
            rig.runSearch(false);
        }
        QVERIFY(!rig.channel.openedPorts.isEmpty());
        QVERIFY(!rig.channel.openedPorts.contains(2) && !rig.channel.openedPorts.contains(3));

        rig.channel.existingPorts = {1, 2, 3};
        rig.link.ReconnectTimerTimer();
        rig.runSearch(true);
        QVERIFY(rig.link.isPolling());
        QCOMPARE(rig.channel.PortNumber(), 1);
        QVERIFY(!rig.channel.openedPorts.contains(2) && !rig.channel.openedPorts.contains(3));
    }

    // "Пуск/стоп" pressed before a loss: the field keeps saying the indication is stopped
    // through the loss and the reconnect, until the operator lets it run again.
    void aStoppedIndicationStaysStoppedThroughAReconnect() {
        LinkRig rig;
        rig.connect(LinkRig::FourComponentAnswer);
        pollAWholeCycle(rig);
        QTimer tab, dia;
        IndicationSwitch indication(rig.source, {tab, dia});
        QStringList shown;
        QObject::connect(&indication, &IndicationSwitch::linkStatusChanged,
                         [&](const QString &text) { shown << text; });
        indication.toggle();
        rig.channel.Close();
        rig.link.Timer1Timer();
        rig.link.ReconnectTimerTimer();
        rig.runSearch(true);
        pollAWholeCycle(rig);
        QVERIFY(rig.link.isPolling() && rig.readings.ReadingsCurrent);
        QCOMPARE(shown, QStringList{LinkStatus::IndicationStopped.toString()});
        QVERIFY(!indication.state().running);

        indication.toggle();
        QCOMPARE(indication.linkStatus(), LinkStatus::FourComponent.toString());
    }

    // Readings become current again only once a whole poll cycle after the analyser's
    // return has been answered, so values from before the loss never pass for new ones.
    void readingsAreCurrentAfterAWholeAnsweredCycle() {
        LinkRig rig;
        rig.connect(LinkRig::FourComponentAnswer);
        for (int tick = 0; tick < LinkLossPolicy::MinUnansweredRequests; ++tick)
            rig.link.Timer2Timer();
        rig.nowMs += LinkLossPolicy::SilenceLimitMs;
        rig.link.Timer1Timer();
        QVERIFY(!rig.readings.ReadingsCurrent);

        rig.link.ReconnectTimerTimer();
        rig.runSearch(true);
        QVERIFY(rig.link.isPolling());
        rig.link.Timer1Timer();
        for (int tick = 0; tick < 10; ++tick) // a cycle without an answer
            rig.link.Timer2Timer();
        QVERIFY(!rig.readings.ReadingsCurrent);
        pollAWholeCycle(rig);
        QVERIFY(rig.readings.ReadingsCurrent);
        QCOMPARE(rig.readings.sample.co, qint16(250));
    }

    // "Пуск/стоп" keeps with the frozen copy whether it was current when it was taken.
    void frozenReadingsKeepTheirCurrency_data() {
        QTest::addColumn<bool>("currentWhenFrozen");
        QTest::newRow("frozen while polling") << true;
        QTest::newRow("frozen after the loss") << false;
    }
    void frozenReadingsKeepTheirCurrency() {
        QFETCH(bool, currentWhenFrozen);
        LinkRig rig;
        rig.connect(LinkRig::FourComponentAnswer);
        if (currentWhenFrozen)
            pollAWholeCycle(rig);
        QCOMPARE(rig.readings.ReadingsCurrent, currentWhenFrozen);
        QTimer tab, dia;
        IndicationSwitch indication(rig.source, {tab, dia});
        indication.toggle();
        // The link changes meanwhile.
        if (currentWhenFrozen) {
            rig.channel.Close();
            rig.link.Timer1Timer();
        } else {
            pollAWholeCycle(rig);
        }
        QCOMPARE(rig.readings.ReadingsCurrent, !currentWhenFrozen);
        QVERIFY(!indication.state().running);
        QCOMPARE(indication.state().frozenCurrent, currentWhenFrozen);
    }
};

QTEST_GUILESS_MAIN(TestLinkLoss)
#include "test_link_loss.moc"
