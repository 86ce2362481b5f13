#include "analyser_commands.h"
#include "app_settings.h"
#include "current_readings.h"
#include "fake_channel.h"
#include "fixed_clock.h"
#include "indication_switch.h"
#include "readings_source.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "status_texts.h"
#include "tvelantar.h"
#include "tvelantar_probe.h"

#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(UserPrompts::Answer)

namespace {

QByteArray bytesOf(const std::array<quint8, 64> &header) {
    return QByteArray(reinterpret_cast<const char *>(header.data()), 64);
}

} // namespace

class TestAnalyserCommands : public QObject {
    Q_OBJECT

    struct Rig {
        FakeChannel channel;
        TVelantar analyser;
        PollCycle cycle{analyser, channel};
        SettingsStore settings;
        CurrentReadings readings;
        ScriptedPrompts prompts;
        FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 30, 15))};
        AnalyserCommands commands{analyser, channel, cycle, settings, readings, prompts, clock};
        int tableViewShown = 0;

        Rig() {
            channel.existingPorts = {1};
            channel.Open(1, 9600);
            commands.showTableView = [this] { ++tableViewShown; };
        }
    };

private slots:
    void headerBytesOfTwoLines() {
        const QByteArray bytes = bytesOf(AnalyserCommands::headerBytes({"ABC", "DEF"}));
        QCOMPARE(bytes.left(8), QByteArray("ABC\0DEF\0", 8));
        QCOMPARE(bytes.mid(8, 55), QByteArray(55, ' '));
        QCOMPARE(bytes.at(63), '\0');
    }

    void headerBytesCutLongLinesAndLongTexts() {
        const QString thirty = QString(30, QChar('x'));
        QByteArray bytes = bytesOf(AnalyserCommands::headerBytes({thirty}));
        QCOMPARE(bytes.left(22), QByteArray(21, 'x') + QByteArray(1, '\0'));

        const QString line = QString(21, QChar('y'));
        bytes = bytesOf(AnalyserCommands::headerBytes({line, line, line, line}));
        QCOMPARE(bytes.left(22), QByteArray(21, 'y') + QByteArray(1, '\0'));
        QCOMPARE(bytes.mid(44, 19), QByteArray(19, 'y'));
        QCOMPARE(bytes.at(63), '\0');

        // Cyrillic goes out in the analyser's code page, one byte a letter.
        bytes = bytesOf(AnalyserCommands::headerBytes({QStringLiteral("Тест")}));
        QCOMPARE(bytes.left(5), QByteArray("\xD2\xE5\xF1\xF2\0", 5));
    }

    void headerReadBackBuildsTheLines() {
        TVelantar analyser;
        const QByteArray image("ABC\0DEF\0", 8);
        for (int i = 0; i < image.size(); ++i)
            TVelantarProbe::auxImage(analyser)[256 + i] = quint8(image[i]);
        const QStringList lines = AnalyserCommands::headerLinesFromImage(analyser);
        QCOMPARE(lines.size(), 60);
        QCOMPARE(lines.mid(0, 2), (QStringList{"ABC", "DEF"}));
        QCOMPARE(lines.mid(2), QStringList(58, QString()));

        // A line of 21 characters ends without a zero byte; the byte after it is dropped.
        for (int i = 0; i < 22; ++i)
            TVelantarProbe::auxImage(analyser)[256 + i] = quint8('a' + i);
        QCOMPARE(AnalyserCommands::headerLinesFromImage(analyser).first(),
                 QStringLiteral("abcdefghijklmnopqrstu"));
    }

    void pumpPressesAlternateTheForms() {
        Rig rig;
        rig.commands.togglePump();
        for (int tick = 0; tick < 10; ++tick)
            rig.cycle.tick({});
        rig.commands.togglePump();
        for (int tick = 0; tick < 2; ++tick)
            rig.cycle.tick({});
        const QByteArray sent = rig.channel.written;
        QVERIFY(sent.contains(QByteArray("\x30\x38\x40\xA8", 4)));
        QVERIFY(sent.contains(QByteArray("\xB0\x38\x40\x28", 4)));
        QCOMPARE(sent.count(QByteArray("\x30\x38\x40\xA8", 4)), 1);
        QVERIFY(!rig.commands.pumpToggle());

        rig.readings.analyserKind = AnalyserKind::TwoComponent;
        rig.commands.togglePump();
        QCOMPARE(rig.cycle.pendingCommand().address, quint16(50));
        QCOMPARE(rig.cycle.pendingCommand().data, quint8(32));
    }

    void printerQuestion() {
        Rig rig;
        rig.prompts.answers = {UserPrompts::Answer::No};
        rig.commands.askAboutPrinter();
        QCOMPARE(rig.settings.get().NoBuiltInPrinter, 1);
        rig.prompts.answers = {UserPrompts::Answer::Yes};
        rig.commands.askAboutPrinter();
        QCOMPARE(rig.settings.get().NoBuiltInPrinter, 0);
        rig.commands.askAboutPrinter();
        QCOMPARE(rig.prompts.shown,
                 QStringList(2, QStringLiteral("В приборе есть встроенный принтер ?")));
    }

    void clockCommandPreparesTheClockWrite() {
        Rig rig;
        rig.commands.setClock();
        QCOMPARE(rig.tableViewShown, 1);
        QCOMPARE(rig.cycle.step(), 5);
        QCOMPARE(rig.cycle.clockMode(), PollCycle::ClockWritePending);
        rig.analyser.Decode();
        QCOMPARE(rig.analyser.decoded().deviceDate, QDate(2026, 12, 8));
        QCOMPARE(rig.analyser.decoded().deviceTime, QTime(9, 30, 15));
    }

    void headerCommandsSendTheServiceFramesAtOnce() {
        Rig rig;
        rig.settings.set(&AppSettings::NoBuiltInPrinter, 0);
        int started = 0;
        rig.commands.transferStarted = [&] { ++started; };
        rig.commands.readHeader();
        QCOMPARE(rig.channel.written, QByteArray("\x13\x0D\x0A\x2A", 4));
        QVERIFY(rig.analyser.stateFlags() & TVelantar::HeaderReadRunning);
        QVERIFY(rig.cycle.headerReadRequested());

        rig.channel.written.clear();
        rig.commands.writeHeader({"ABC", "DEF"});
        quint8 checksum = 0;
        for (quint8 b : AnalyserCommands::headerBytes({"ABC", "DEF"}))
            checksum = quint8(checksum + b);
        QByteArray expected("\x13\x0D\x0A\x2A", 4);
        expected += QByteArray("\x51\x80", 2) + char(checksum) + char(quint8(0xD1 + checksum));
        expected += QByteArray("\x51\x81", 2) + char(checksum) + char(quint8(0xD2 + checksum));
        QCOMPARE(rig.channel.written, expected);
        QVERIFY(rig.analyser.stateFlags() & TVelantar::HeaderWriteRunning);
        QCOMPARE(started, 2);
        QCOMPARE(rig.tableViewShown, 2);
    }

    // The header commands move bytes only through the printer's steps of the cycle: without
    // a printer confirmed they send nothing at all and start no transfer.
    void headerCommandsNeedThePrinter_data() {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("noBuiltInPrinter");
        QTest::addColumn<UserPrompts::Answer>("answer");
        QTest::addColumn<bool>("runs");
        using A = UserPrompts::Answer;
        for (const bool write : {false, true}) {
            const char *name = write ? "write" : "read";
            QTest::addRow("%s, printer known", name) << write << 0 << A::Cancel << true;
            QTest::addRow("%s, Yes", name) << write << 1 << A::Yes << true;
            QTest::addRow("%s, No", name) << write << 1 << A::No << false;
            QTest::addRow("%s, Cancel", name) << write << 1 << A::Cancel << false;
        }
    }
    void headerCommandsNeedThePrinter() {
        QFETCH(bool, write);
        QFETCH(int, noBuiltInPrinter);
        QFETCH(UserPrompts::Answer, answer);
        QFETCH(bool, runs);
        Rig rig;
        rig.settings.set(&AppSettings::NoBuiltInPrinter, noBuiltInPrinter);
        rig.prompts.answers = {answer};
        int started = 0;
        rig.commands.transferStarted = [&] { ++started; };
        if (write)
            rig.commands.writeHeader({"ABC"});
        else
            rig.commands.readHeader();

        QCOMPARE(rig.prompts.shown.size(), noBuiltInPrinter);
        QCOMPARE(rig.settings.get().NoBuiltInPrinter, runs ? 0 : 1);
        QCOMPARE(rig.channel.written.isEmpty(), !runs);
        QCOMPARE(started, runs ? 1 : 0);
        const quint16 running =
            write ? TVelantar::HeaderWriteRunning : TVelantar::HeaderReadRunning;
        QCOMPARE(bool(rig.analyser.stateFlags() & running), runs);
        QCOMPARE(rig.cycle.headerReadRequested(), runs && !write);
    }

    void startStopFreezesAndResumes() {
        ReadingsSource source;
        ReadingSample sample;
        sample.co = 250;
        source.demonstrationSample(sample);
        QTimer tab, dia;
        tab.setInterval(1000);
        IndicationSwitch indication(source, {tab, dia});
        const bool &running = indication.state().running;
        const ReadingSample &frozen = indication.state().frozen;
        QStringList status;
        int refreshEnabled = 0;
        QObject::connect(&indication, &IndicationSwitch::linkStatusChanged,
                         [&](const QString &text) { status << text; });
        QObject::connect(&indication, &IndicationSwitch::resumedByPress, [&] { ++refreshEnabled; });

        indication.toggle();
        QVERIFY(!running);
        QCOMPARE(frozen.co, qint16(250));
        QVERIFY(tab.isActive() && dia.isActive());
        QCOMPARE(tab.interval(), 1);
        QCOMPARE(status.last(), QStringLiteral(" СТОП ИНДИКАЦИИ"));

        indication.toggle();
        QVERIFY(running);
        QCOMPARE(refreshEnabled, 1);
        QCOMPARE(status.last(), QStringLiteral(" Г/А НЕ ПОДКЛЮЧЕН"));
        source.analyserFound(AnalyserKind::TwoComponent); // polling
        indication.toggle();
        indication.toggle();
        QCOMPARE(status.last(), QStringLiteral(" Велантар 2х комп"));
        source.pollingStopped();
        source.demonstrationSwitched(true, LinkStatus::Demonstration.toString());
        indication.toggle();
        indication.toggle();
        QCOMPARE(status.last(), QStringLiteral(" ДЕМОНСТРАЦИЯ"));
    }
};

QTEST_GUILESS_MAIN(TestAnalyserCommands)
#include "test_analyser_commands.moc"
