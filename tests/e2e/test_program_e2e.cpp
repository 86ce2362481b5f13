#include "app_settings.h"
#include "emulator_process.h"
#include "settings_file.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real program against the emulator: started in an empty folder, it finds the
// analyser with its default settings, polls it, and saves its settings on SIGTERM.
class TestProgramE2E : public QObject {
    Q_OBJECT

    static QString program() {
        const QString fromEnvironment = qEnvironmentVariable("VELANTAR_BIN");
        return fromEnvironment.isEmpty() ? QCoreApplication::applicationDirPath() + "/../velantar"
                                         : fromEnvironment;
    }

    // The three-byte request parts ("99 33 00") of the traced frames.
    static QStringList requests(const QStringList &trace) {
        QStringList out;
        for (const QString &line : trace)
            out << line.mid(3, 8);
        return out;
    }

private slots:
    void findsPollsAndSavesOnTermination() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        emulator.command("trace on");
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));
        QTemporaryDir folder;

        QProcess velantar;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VELANTAR_PORTS", ":" + emulator.devicePath()); // COM2
        velantar.setProcessEnvironment(environment);
        velantar.setWorkingDirectory(folder.path());
        velantar.start(program(), {});
        QVERIFY(velantar.waitForStarted());

        // Detection tries COM1 (missing), then asks COM2 for its type.
        QStringList seen;
        QDeadlineTimer deadline(15000);
        while (!requests(seen).contains("99 33 00") && !deadline.hasExpired()) {
            emulator.pump(100);
            seen += emulator.takeTrace();
        }
        QVERIFY2(requests(seen).contains("D0 80 00"), "no type request reached the emulator");
        QVERIFY2(requests(seen).contains("99 33 00"), "polling did not start");

        // The normal cycle of a four-component analyser without a printer.
        emulator.pump(1500);
        const QStringList polled = requests(emulator.takeTrace());
        const QStringList cycle = {"99 33 00", "99 3B 00", "99 35 00", "99 37 00", "99 39 00",
                                   "99 4F 00", "9B 72 00", "9D 49 00", "98 36 00", "98 36 00"};
        const qsizetype start = polled.indexOf("99 33 00");
        QVERIFY(start >= 0 && start + cycle.size() <= polled.size());
        QCOMPARE(polled.mid(start, cycle.size()), cycle);
        qInfo() << "requests in 1.5 s:" << polled.size();
        // One request every 30 ms or so: far more than a slow timer, far less than a flood.
        QVERIFY2(polled.size() > 15 && polled.size() < 150,
                 qPrintable(QString::number(polled.size())));

        velantar.terminate(); // SIGTERM: the window closes through its close path
        QVERIFY(velantar.waitForFinished(10000));
        QCOMPARE(velantar.exitStatus(), QProcess::NormalExit);
        QCOMPARE(velantar.exitCode(), 0);

        QFile file(folder.filePath("Tolmera10.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 356);
        AppSettings expected;
        expected.FixedPort = 2; // the port the analyser was found on
        QCOMPARE(SettingsFile::decode(bytes), expected);
        QVERIFY(QFileInfo(folder.filePath("Text")).isDir());
        QVERIFY(QFileInfo(folder.filePath("Graph")).isDir());
    }
};

QTEST_GUILESS_MAIN(TestProgramE2E)
#include "test_program_e2e.moc"
