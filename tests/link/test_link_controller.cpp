#include "answer_frames.h"
#include "link_rig.h"
#include "tvelantar_probe.h"

#include <QtTest>

namespace {

using AnswerFrames::byteAnswer;
using AnswerFrames::wordAnswer;

const QByteArray FourComponentAnswer = LinkRig::FourComponentAnswer;
const QByteArray TwoComponentAnswer = LinkRig::TwoComponentAnswer;

} // namespace

class TestLinkController : public QObject {
    Q_OBJECT

    using Rig = LinkRig;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void scanningGivesUpAfterFiveTicks() {
        Rig rig;
        rig.link.startConnection();
        QVERIFY(rig.link.detectionTimer().isActive());
        QCOMPARE(rig.view.linkStatus.last(), QStringLiteral(" Г/А НЕ ПОДКЛЮЧЕН"));
        for (int tick = 1; tick <= 4; ++tick) {
            rig.link.StartTimerTimer();
            QVERIFY(rig.link.detectionTimer().isActive());
        }
        rig.link.StartTimerTimer();
        QVERIFY(!rig.link.detectionTimer().isActive());
        QCOMPARE(rig.channel.openedPorts, (QList<int>{1, 2, 1, 2, 1}));
        QCOMPARE(rig.view.progress, (QList<int>{0, 20, 40, 60, 80, 100, 0}));
        QCOMPARE(rig.view.portStatus, QStringList{QStringLiteral("Прибор не обнаружен.")});
        QCOMPARE(rig.view.portPageShown, 1);
        QCOMPARE(rig.prompts.shown, QStringList{QStringLiteral("Прибор не обнаружен !")});
        QCOMPARE(rig.view.progressVisible, (QList<bool>{true, false}));
        QCOMPARE(rig.view.toggleEnabled, (QList<bool>{false, true}));
    }

    // Beside "not found", the warning names the ports the user may not open, and what to do.
    void notFoundNamesTheRefusedPorts_data() {
        QTest::addColumn<QStringList>("refused"); // devices of COM1, COM2; empty: not refused
        QTest::addColumn<QString>("warning");
        const QString notFound = QStringLiteral("Прибор не обнаружен !");
        const QString advice =
            QStringLiteral(" Добавьте пользователя в группу dialout и войдите в систему заново.");
        QTest::newRow("none") << QStringList{"", ""} << notFound;
        QTest::newRow("COM1") << QStringList{"/dev/ttyUSB0", ""}
                              << notFound + "\n\nНет доступа к порту COM1 (/dev/ttyUSB0)." + advice;
        QTest::newRow("COM1 and COM2") << QStringList{"/dev/ttyUSB0", "/dev/ttyS0"}
                                       << notFound +
                                              "\n\nНет доступа к порту COM1 (/dev/ttyUSB0).\n"
                                              "Нет доступа к порту COM2 (/dev/ttyS0)." +
                                              advice;
    }
    void notFoundNamesTheRefusedPorts() {
        QFETCH(QStringList, refused);
        QFETCH(QString, warning);
        Rig rig;
        for (int port = 1; port <= refused.size(); ++port)
            if (!refused[port - 1].isEmpty())
                rig.channel.refusedDevices[port] = refused[port - 1];
        rig.link.startConnection();
        rig.runSearch(false);
        QCOMPARE(rig.prompts.shown, QStringList{warning});
        QCOMPARE(rig.view.portStatus, QStringList{QStringLiteral("Прибор не обнаружен.")});
    }

    void fixedPortGivesUpAtTheThirdTick() {
        Rig rig;
        rig.settings.set(&AppSettings::PortMode, 1);
        rig.settings.set(&AppSettings::FixedPort, 3);
        rig.link.startConnection();
        for (int tick = 0; tick < 3; ++tick)
            rig.link.StartTimerTimer();
        QVERIFY(!rig.link.detectionTimer().isActive());
        QCOMPARE(rig.channel.openedPorts, (QList<int>{3, 3, 3}));
        QCOMPARE(rig.view.progress, (QList<int>{0, 33, 66, 100, 0}));
    }

    void findingTheFourComponentAnalyserStartsPolling() {
        Rig rig;
        rig.settings.set(&AppSettings::FixedPort, 5);
        rig.connect(FourComponentAnswer);
        QVERIFY(!rig.link.detectionTimer().isActive());
        QVERIFY(rig.link.receiveTimer().isActive() && rig.link.sendTimer().isActive());
        QCOMPARE(rig.settings.get().FixedPort, 1);
        QCOMPARE(rig.settings.get().OldAnalyser, 0);
        QCOMPARE(rig.view.linkStatus.last(), QStringLiteral(" Велантар 4х комп"));
        QCOMPARE(rig.view.portStatus.last(),
                 QStringLiteral("Тип прибора: Велантар ( 4-х комп.)  Порт: COM1"));
        QCOMPARE(rig.view.found, QList<AnalyserKind>{AnalyserKind::FourComponent});

        // The first receive tick brings the interval down; the send tick follows it.
        rig.link.Timer1Timer();
        rig.link.Timer2Timer();
        QCOMPARE(rig.link.receiveTimer().interval(), 10);
        QCOMPARE(rig.link.sendTimer().interval(), 30);

        // Answers on the line reach the readings through the receive and send ticks.
        rig.channel.incoming = wordAnswer(307, 300);
        rig.link.Timer1Timer();
        for (int step = 0; step < 10; ++step)
            rig.link.Timer2Timer();
        rig.link.Timer1Timer();
        QCOMPARE(rig.readings.sample.co, qint16(300));
    }

    void twoComponentAnalyserHasNoCo2O2OrLambda() {
        Rig rig;
        rig.connect(TwoComponentAnswer);
        QCOMPARE(rig.settings.get().OldAnalyser, 1);
        QCOMPARE(rig.readings.analyserKind, AnalyserKind::TwoComponent);
        QCOMPARE(rig.view.linkStatus.last(), QStringLiteral(" Велантар 2х комп"));
        QCOMPARE(rig.analyser.addressMap()[AddressMap::CoWord], 289);
        rig.receive(wordAnswer(289, 150) + wordAnswer(1, 999) + wordAnswer(311, 1400));
        QCOMPARE(rig.readings.sample.co, qint16(150));
        QCOMPARE(rig.readings.sample.co2, qint16(0));
        QCOMPARE(rig.readings.sample.o2, qint16(1));
        QCOMPARE(rig.readings.sample.lambda, qint16(0));
        QVERIFY(rig.view.pump.isEmpty()); // the mode indication is off
    }

    void lambdaOf2000IsNoMeasurement() {
        Rig rig;
        rig.connect(FourComponentAnswer);
        rig.receive(wordAnswer(335, 2000));
        QCOMPARE(rig.readings.sample.lambda, qint16(0));
        rig.receive(wordAnswer(335, 1999));
        QCOMPARE(rig.readings.sample.lambda, qint16(1999));
    }

    void correctedCoFollowsTheModeIndication() {
        Rig rig;
        rig.connect(FourComponentAnswer);
        rig.receive(wordAnswer(307, 300) + wordAnswer(305, 120) + byteAnswer(882, 0x10));
        QCOMPARE(rig.readings.sample.co, qint16(120));
        rig.settings.set(&AppSettings::OldAnalyser, 1);
        rig.receive({});
        QCOMPARE(rig.readings.sample.co, qint16(300));
    }

    void zeroSettingIsShownOnceThenTheChannelsAreReadAgain() {
        Rig rig;
        rig.connect(FourComponentAnswer);
        rig.receive(byteAnswer(54, 0x20 | 0x40) + byteAnswer(882, 0x08));
        rig.receive({});
        rig.receive({});
        QCOMPARE(rig.view.pump.size(), 1);
        QCOMPARE(rig.view.pump.first().text, QStringLiteral(" УСТАНОВКА НУЛЯ"));
        QCOMPARE(rig.view.pump.first().color, (Rgb{255, 0, 0}));
        QCOMPARE(rig.view.fuel.last().text, QStringLiteral(" Топливо : БЕНЗИН"));
        QCOMPARE(rig.link.pollCycle().mode(), int(PollCycle::Normal));

        rig.receive(byteAnswer(54, 0x40));
        QCOMPARE(rig.view.pump.last().text, QStringLiteral(" НАСОС ВКЛЮЧЕН"));
        QCOMPARE(rig.view.pump.last().color, (Rgb{0, 128, 0}));
        QCOMPARE(rig.link.pollCycle().mode(), int(PollCycle::AfterZero));

        // The after-zero cycle runs once, then the normal cycle goes on.
        rig.link.pollCycle().setStep(0);
        for (int tick = 0; tick < 4; ++tick)
            rig.link.Timer2Timer();
        QCOMPARE(rig.link.pollCycle().mode(), int(PollCycle::Normal));
        rig.receive(byteAnswer(54, 0x00));
        QCOMPARE(rig.link.pollCycle().mode(), int(PollCycle::Normal));
        QCOMPARE(rig.view.pump.last().text, QStringLiteral(" НАСОС ВЫКЛЮЧЕН"));
    }

    void fuelAndSettingsMenus() {
        QCOMPARE(ModeIndication::fuelFor(0x80).text, QStringLiteral("   ПРИРОДНЫЙ ГАЗ"));
        QCOMPARE(ModeIndication::fuelFor(0x88).text, QStringLiteral(" Топливо : БЕНЗИН"));
        QCOMPARE(ModeIndication::fuelFor(0x00).color, (Rgb{255, 0, 255}));
        QCOMPARE(ModeIndication::settingsMenuFor(0x04, 0x30), int(ModeIndication::PressureMenu));
        QCOMPARE(ModeIndication::settingsMenuFor(0x00, 0x30), int(ModeIndication::CylindersMenu));
        QCOMPARE(ModeIndication::settingsMenuFor(0x00, 0x20), int(ModeIndication::TachoMenu));
    }

    void clockTextsOnlyInTheTableView() {
        Rig rig;
        rig.link.formatDate = [](const QDate &d) { return d.toString("dd.MM.yyyy"); };
        rig.link.formatTime = [](const QTime &t) { return t.toString("HH:mm:ss"); };
        rig.connect(FourComponentAnswer);
        rig.analyser.SetDate(2026, 12, 8);
        rig.analyser.SetTime(9, 5, 7);
        rig.receive({});
        QVERIFY(rig.readings.deviceDateText.isEmpty());
        rig.settings.set(&AppSettings::CurrentView, 1);
        rig.receive({});
        QCOMPARE(rig.readings.deviceDateText, QStringLiteral("08.12.2026"));
        QCOMPARE(rig.readings.deviceTimeText, QStringLiteral("09:05:07"));
    }

    void anUnansweredTypeRequestEndsTheProgram() {
        Rig rig;
        rig.connect(FourComponentAnswer);
        TVelantarProbe::stateFlags(rig.analyser) |= TVelantar::TypeRequestOutstanding;
        rig.link.Timer1Timer();
        QVERIFY(!rig.link.receiveTimer().isActive());
        QCOMPARE(rig.link.receiveTimer().interval(), 10000);
        QCOMPARE(rig.prompts.shown.last(), QStringLiteral("Прибор не подключен!"));
        QCOMPARE(rig.view.lost, 1);
    }

    void connectingAgainResetsTheLink() {
        Rig rig;
        rig.connect(FourComponentAnswer);
        rig.link.pollCycle().startClockWrite();
        rig.link.pollCycle().setStep(12);
        rig.link.pollCycle().queueCommand({true, 0x30, 56, 64});
        rig.link.pollCycle().startHeaderRead();
        rig.link.startConnection();
        QVERIFY(!rig.link.receiveTimer().isActive() && !rig.link.sendTimer().isActive());
        QCOMPARE(rig.link.receiveTimer().interval(), 1000);
        QCOMPARE(rig.link.pollCycle().step(), 0);
        QCOMPARE(rig.link.pollCycle().clockMode(), PollCycle::ClockRunning);
        QVERIFY(!rig.link.pollCycle().pendingCommand().waiting);
        // A header read asked for before stays asked for.
        QVERIFY(rig.link.pollCycle().headerReadRequested());
        QVERIFY(!rig.analyser.isDetected());
        QCOMPARE(rig.view.starts, 2);
    }
};

QTEST_GUILESS_MAIN(TestLinkController)
#include "test_link_controller.moc"
