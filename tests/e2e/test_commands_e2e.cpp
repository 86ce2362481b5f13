#include "analyser_commands.h"
#include "app_settings.h"
#include "clock.h"
#include "real_port_link.h"
#include "tvelantar_probe.h"

#include <QtTest>

Q_DECLARE_METATYPE(UserPrompts::Answer)

// The analyser commands over a real pseudo-terminal against the emulator, with the link's
// own timers running: the clock write, the header write and read-back, and the pump.
class TestCommandsE2E : public QObject {
    Q_OBJECT

    struct Rig : EmulatorLink {
        SystemClock clock;
        std::unique_ptr<AnalyserCommands> commands;
        int headerReads = 0;

        struct Observer : HeaderTransferObserver {
            int *reads = nullptr;
            int *writes = nullptr;
            void headerTransferProgress(int) override {}
            void headerReadComplete() override { ++*reads; }
            void headerWriteComplete() override {
                if (writes)
                    ++*writes;
            }
        } observer;

        bool start() {
            // Header transfers run with a printer, in the table view.
            settings.set(&AppSettings::NoBuiltInPrinter, 0);
            settings.set(&AppSettings::CurrentView, 1);
            commands = std::make_unique<AnalyserCommands>(
                analyser, serial, link.pollCycle(), settings, source.readings(), prompts, clock);
            observer.reads = &headerReads;
            link.pollCycle().setHeaderObserver(&observer);
            return EmulatorLink::start();
        }
        QString ask(const QString &line) { return emulator.query(line); }
    };

private slots:
    void clockCommandSetsTheAnalysersClock() {
        Rig rig;
        QVERIFY(rig.start());
        QCOMPARE(rig.ask("clock 2001-02-03 04:05:06"), QString());
        rig.emulator.command("trace on");
        QCOMPARE(rig.ask("ping"), QStringLiteral("pong"));
        rig.emulator.takeTrace();

        rig.commands->setClock();
        // Every clock frame reaches the analyser: the release byte arrives twice (the step
        // after it builds nothing and repeats it).
        QStringList writes;
        QVERIFY(QTest::qWaitFor(
            [&] {
                rig.emulator.pump(10);
                for (const QString &line : rig.emulator.takeTrace())
                    if (line.startsWith("rx 11 "))
                        writes << line.mid(3, 8);
                return writes.count(QStringLiteral("11 79 C0")) >= 2;
            },
            5000));
        // 0x40 to the control byte (377), the seven clock bytes, then 0xC0 (repeated by
        // the next step, which builds no request of its own).
        QCOMPARE(writes.size(), 10);
        QCOMPARE(writes.first(), QStringLiteral("11 79 40"));
        QCOMPARE(writes.mid(8), QStringList(2, QStringLiteral("11 79 C0")));
        const QStringList addresses = {"11 76", "11 78", "11 75", "11 74",
                                       "11 72", "11 71", "11 70"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(writes[1 + i].left(5), addresses[i]);

        const QDateTime analyserTime =
            QDateTime::fromString(rig.ask("clock").mid(6), "yyyy-MM-dd HH:mm:ss");
        QVERIFY(analyserTime.isValid());
        QVERIFY2(qAbs(analyserTime.secsTo(QDateTime::currentDateTime())) <= 5,
                 qPrintable(analyserTime.toString()));
    }

    void headerWrittenThenReadBack() {
        Rig rig;
        QVERIFY(rig.start());
        const QStringList header = {"ABC", QStringLiteral("СТАНЦИЯ")};
        rig.commands->writeHeader(header);
        QVERIFY(QTest::qWaitFor(
            [&] { return !(rig.analyser.stateFlags() & TVelantar::HeaderWriteRunning); }, 15000));
        // The whole second copy has reached the analyser.
        const auto written = AnalyserCommands::headerBytes(header);
        const QByteArray writtenBytes(reinterpret_cast<const char *>(written.data()),
                                      qsizetype(written.size()));
        const QString secondCopy = QStringLiteral("peek ") + writtenBytes.toHex(' ');
        QVERIFY(QTest::qWaitFor([&] { return rig.ask("peek aux 320 64").toLower() == secondCopy; },
                                5000));

        // Wipe the mirror's copy so the read-back can only come from the analyser.
        std::fill(TVelantarProbe::auxImage(rig.analyser).begin() + 256,
                  TVelantarProbe::auxImage(rig.analyser).begin() + 386, 0xFF);
        rig.commands->readHeader();
        QVERIFY(QTest::qWaitFor([&] { return rig.headerReads == 1; }, 15000));

        // What the header read builds from the bytes that were written (the first two
        // bytes of the second copy included).
        TVelantar expectedImage;
        const auto bytes = AnalyserCommands::headerBytes(header);
        for (int copy = 0; copy < 2; ++copy)
            std::copy(bytes.begin(), bytes.end(),
                      TVelantarProbe::auxImage(expectedImage).begin() + 256 + 64 * copy);
        const QStringList expected = AnalyserCommands::headerLinesFromImage(expectedImage);
        QCOMPARE(expected.mid(0, 2), header);
        QCOMPARE(AnalyserCommands::headerLinesFromImage(rig.analyser), expected);
        QCOMPARE(rig.ask("peek aux 384 2").split(' ').mid(1).size(), 2);
    }

    // The settings say there is no printer and the user is asked: "Нет" and "Отмена" send
    // nothing of the header at all (its checksum keeps matching it) and start no transfer;
    // "Да" runs the command to its end.
    void headerCommandsAskForThePrinter_data() {
        QTest::addColumn<bool>("write");
        QTest::addColumn<UserPrompts::Answer>("answer");
        using A = UserPrompts::Answer;
        for (const bool write : {true, false}) {
            const char *name = write ? "write" : "read";
            QTest::addRow("%s, No", name) << write << A::No;
            QTest::addRow("%s, Cancel", name) << write << A::Cancel;
            QTest::addRow("%s, Yes", name) << write << A::Yes;
        }
    }
    void headerCommandsAskForThePrinter() {
        QFETCH(bool, write);
        QFETCH(UserPrompts::Answer, answer);
        Rig rig;
        QVERIFY(rig.start());
        rig.settings.set(&AppSettings::NoBuiltInPrinter, 1);
        const QString headerBefore = rig.ask("peek aux 256 130");
        rig.emulator.command("trace on");
        QCOMPARE(rig.ask("ping"), QStringLiteral("pong"));
        rig.emulator.takeTrace();
        int started = 0, writesDone = 0;
        rig.commands->transferStarted = [&] { ++started; };
        rig.observer.writes = &writesDone;
        rig.prompts.answers = {answer};

        const QStringList header = {"NEW HEADER"};
        if (write)
            rig.commands->writeHeader(header);
        else
            rig.commands->readHeader();
        const bool runs = answer == UserPrompts::Answer::Yes;
        if (runs) {
            QVERIFY(QTest::qWaitFor([&] { return (write ? writesDone : rig.headerReads) == 1; },
                                    15000));
        } else {
            // Some whole cycles later nothing of the header has gone out.
            const quint32 passes = rig.link.pollCycle().decodePasses();
            QVERIFY(QTest::qWaitFor(
                [&] { return rig.link.pollCycle().decodePasses() >= passes + 3; }, 5000));
            QCOMPARE(rig.ask("ping"), QStringLiteral("pong"));
            const QStringList trace = rig.emulator.takeTrace();
            for (const char *service : {"rx 13 0D 0A", "rx 51 ", "rx D1 "})
                QVERIFY2(trace.filter(QLatin1String(service)).isEmpty(), service);
        }
        QCOMPARE(started, runs ? 1 : 0);
        QCOMPARE(rig.settings.get().NoBuiltInPrinter, runs ? 0 : 1);
        QVERIFY(!(rig.analyser.stateFlags() &
                  (TVelantar::HeaderReadRunning | TVelantar::HeaderWriteRunning)));

        // The analyser's header and its checksum still agree.
        const QStringList bytes = rig.ask("peek aux 256 130").split(' ').mid(1);
        QCOMPARE(bytes.size(), 130);
        quint8 sum = 0;
        for (int i = 0; i < 64; ++i)
            sum = quint8(sum + bytes[i].toInt(nullptr, 16));
        QCOMPARE(bytes[128].toInt(nullptr, 16), int(sum));
        QCOMPARE(bytes[129].toInt(nullptr, 16), int(sum));
        if (!(runs && write))
            QCOMPARE(rig.ask("peek aux 256 130"), headerBefore);
    }

    void pumpTogglesTheAnalysersPump() {
        Rig rig;
        QVERIFY(rig.start());
        QCOMPARE(rig.ask("get pump"), QStringLiteral("pump 0"));
        rig.commands->togglePump();
        QVERIFY(QTest::qWaitFor([&] { return rig.ask("get pump") == "pump 1"; }, 5000));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return !rig.view.pump.isEmpty() &&
                       rig.view.pump.last().text == QStringLiteral(" НАСОС ВКЛЮЧЕН");
            },
            5000));
        rig.commands->togglePump();
        QVERIFY(QTest::qWaitFor([&] { return rig.ask("get pump") == "pump 0"; }, 5000));
        QVERIFY(QTest::qWaitFor(
            [&] { return rig.view.pump.last().text == QStringLiteral(" НАСОС ВЫКЛЮЧЕН"); }, 5000));
    }
};

QTEST_GUILESS_MAIN(TestCommandsE2E)
#include "test_commands_e2e.moc"
