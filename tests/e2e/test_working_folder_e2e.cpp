#include "app_settings.h"
#include "emulator_process.h"
#include "graph_journal.h"
#include "safe_file.h"
#include "settings_file.h"
#include "test_files.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// The real program and its working folder: one copy a folder, and data files that are pipes.
class TestWorkingFolderE2E : public QObject {
    Q_OBJECT

    static QString program() {
        const QString fromEnvironment = qEnvironmentVariable("VELANTAR_BIN");
        return fromEnvironment.isEmpty() ? QCoreApplication::applicationDirPath() + "/../velantar"
                                         : fromEnvironment;
    }

    static void start(QProcess &velantar, const QString &folder, const QString &ports) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VELANTAR_PORTS", ports);
        velantar.setProcessEnvironment(environment);
        velantar.setWorkingDirectory(folder);
        velantar.start(program(), {});
    }

    static int journalSamples(const QString &path) {
        return int(GraphJournal::decode(TestFiles::fileBytes(path)).samples.size());
    }

    // Every entry under the folder with its inode: a file replaced shows a new one.
    static QStringList entries(const QString &folder) {
        QStringList out;
        QDirIterator it(folder,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat status {};
            lstat(QFile::encodeName(path).constData(), &status);
            out << QDir(folder).relativeFilePath(path) + u' ' + QString::number(status.st_ino);
        }
        out.sort();
        return out;
    }

    static bool isFifo(const QString &path) {
        struct stat status {};
        return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }

    static bool endsOnTermination(QProcess &velantar, int exitCode) {
        velantar.terminate();
        return velantar.waitForFinished(10000) && velantar.exitStatus() == QProcess::NormalExit &&
               velantar.exitCode() == exitCode;
    }

private slots:
    void secondCopyInTheSameFolderTouchesNothing() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        emulator.command("drift off"); // steady readings: the journal is only appended to
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));
        QTemporaryDir folder;
        AppSettings settings;
        settings.GraphStartMode = 0; // recording starts when the analyser is found
        QVERIFY(
            SafeFile::write(folder.filePath("Tolmera10.dat"), SettingsFile::encode(settings)).ok);

        QProcess first;
        start(first, folder.path(), emulator.devicePath());
        const QString journal = folder.filePath("Graph/Журнал_записи.jrn");
        QVERIFY(QTest::qWaitFor([&] { return journalSamples(journal) >= 2; }, 60000));
        const QStringList before = entries(folder.path());

        QProcess second;
        start(second, folder.path(), QString());
        QByteArray told;
        const QByteArray message = QStringLiteral("Программа уже запущена в этой папке.").toUtf8();
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         second.waitForReadyRead(100);
                         told += second.readAllStandardError();
                         return told.contains(message);
                     },
                     30000),
                 told.constData());
        const int samplesWhenAsked = journalSamples(journal);
        QVERIFY(endsOnTermination(second, 1));
        QCOMPARE(entries(folder.path()), before);
        // The first copy goes on writing the same journal.
        QVERIFY(QTest::qWaitFor([&] { return journalSamples(journal) >= samplesWhenAsked + 2; },
                                30000));
        QCOMPARE(entries(folder.path()), before);

        // A copy in another folder runs beside the first one.
        QTemporaryDir other;
        QProcess beside;
        start(beside, other.path(), QString());
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(other.filePath("Graph")).isDir(); }, 30000));
        QVERIFY(endsOnTermination(beside, 0));
        QVERIFY(!beside.readAllStandardError().contains(message));

        QVERIFY(endsOnTermination(first, 0));
    }

    void pipesAmongTheStartUpFilesAreLeftAlone() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        emulator.command("trace on");
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("Graph"));
        const QStringList pipes = {"Tolmera10.dat",          "Tolmera10.nor", "Tolmera10.sto",
                                   "Tolmera10.pgs",          "nastr.set",     "recovered.lst",
                                   "Graph/Журнал_записи.jrn"};
        for (const QString &name : pipes)
            QVERIFY(mkfifo(QFile::encodeName(folder.filePath(name)).constData(), 0666) == 0);

        QProcess velantar;
        start(velantar, folder.path(), ":" + emulator.devicePath());
        // The window is up and its timers run: detection asks COM2 for its type.
        QStringList seen;
        QVERIFY(QTest::qWaitFor(
            [&] {
                emulator.pump(100);
                seen += emulator.takeTrace();
                return seen.join(u' ').contains("D0 80 00");
            },
            30000));
        QVERIFY(endsOnTermination(velantar, 0));
        for (const QString &name : pipes)
            QVERIFY2(isFifo(folder.filePath(name)), qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(TestWorkingFolderE2E)
#include "test_working_folder_e2e.moc"
