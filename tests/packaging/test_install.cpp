#include "emulator_process.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// What the package installs, checked on `cmake --install` into a temporary folder: the files
// are where the launcher and the desktop look for them, and the installed launcher starts
// the program in the user's data folder, seeded from the shipped data, where the program
// keeps its settings.
class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir root_;

    QString installed(const QString &path) const { return root_.path() + "/usr/" + path; }
    static QString source(const QString &path) {
        return QStringLiteral(VELANTAR_SOURCE_DIR "/") + path;
    }
    static QByteArray contents(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every file under data/, as paths relative to it.
    static QStringList shippedData() {
        QStringList files;
        const QDir data(source("data"));
        QDirIterator it(data.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << data.relativeFilePath(it.next());
        files.removeAll("README.md");
        return files;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(root_.isValid());
        QProcess cmake;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", root_.path());
        cmake.setProcessEnvironment(environment);
        cmake.start("cmake", {"--install", VELANTAR_BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(cmake.waitForFinished(120000));
        QVERIFY2(cmake.exitCode() == 0, cmake.readAllStandardError().constData());
    }

    void installsShippedFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("sameAs"); // source file with the same bytes, or empty
        QTest::addColumn<bool>("executable");
        QTest::newRow("launcher") << "bin/velantar"
                                  << "packaging/velantar" << true;
        QTest::newRow("emulator link") << "bin/velantar-emu"
                                       << "" << true;
        QTest::newRow("program") << "lib/velantar/velantar"
                                 << "" << true;
        QTest::newRow("emulator") << "lib/velantar/analyser-emu"
                                  << "" << true;
        QTest::newRow("seeding") << "lib/velantar/seed-data-folder"
                                 << "packaging/seed-data-folder" << true;
        QTest::newRow("desktop entry") << "share/applications/velantar.desktop"
                                       << "packaging/velantar.desktop" << false;
        QTest::newRow("icon") << "share/icons/hicolor/48x48/apps/velantar.png"
                              << "" << false;
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/velantar.svg"
                                       << "packaging/icon/velantar.svg" << false;
        QTest::newRow("AppStream entry") << "share/metainfo/org.example.velantar.metainfo.xml"
                                         << "packaging/org.example.velantar.metainfo.xml" << false;
        QTest::newRow("copyright") << "share/doc/velantar/copyright"
                                   << "packaging/debian/copyright" << false;
        QTest::newRow("changelog") << "share/doc/velantar/changelog.gz"
                                   << "" << false;
        QTest::newRow("lintian overrides") << "share/lintian/overrides/velantar"
                                           << "packaging/debian/lintian-overrides" << false;
        const QStringList data = shippedData();
        QVERIFY(data.contains("readme.txt"));
        QVERIFY(!data.filter(QRegularExpression("^Info/Inf\\d+\\.")).isEmpty());
        for (const QString &file : data)
            QTest::newRow(qPrintable(file)) << "share/velantar/" + file << "data/" + file << false;
    }

    void installsShippedFile() {
        QFETCH(QString, path);
        QFETCH(QString, sameAs);
        QFETCH(bool, executable);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile(), qPrintable(info.filePath()));
        QCOMPARE(info.isExecutable(), executable);
        QVERIFY(info.size() > 0);
        if (!sameAs.isEmpty())
            QCOMPARE(contents(info.filePath()), contents(source(sameAs)));
    }

    // Each hicolor PNG is as large as its folder says (IHDR: width and height, big-endian).
    void iconsMatchTheirFolders() {
        QDirIterator it(installed("share/icons/hicolor"), {"velantar.png"}, QDir::Files,
                        QDirIterator::Subdirectories);
        int icons = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            const QString folder = path.section('/', -3, -3); // .../<W>x<H>/apps/velantar.png
            const QByteArray png = contents(path);
            QVERIFY2(png.startsWith("\x89PNG\r\n\x1a\n") && png.size() > 24, qPrintable(path));
            const quint32 width = qFromBigEndian<quint32>(png.constData() + 16);
            const quint32 height = qFromBigEndian<quint32>(png.constData() + 20);
            QCOMPARE(QString("%1x%2").arg(width).arg(height), folder);
            ++icons;
        }
        QVERIFY(icons > 0);
    }

    void desktopEntryStartsTheLauncher() {
        const QStringList lines =
            QString::fromUtf8(contents(installed("share/applications/velantar.desktop")))
                .split('\n');
        QVERIFY(lines.contains("Name[ru]=ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));
        QVERIFY(lines.contains("Exec=velantar"));
        QVERIFY(lines.contains("Icon=velantar"));
        QVERIFY(QFileInfo(installed("bin/velantar")).isExecutable());
    }

    // The checkers a software centre, the desktop and the manual rely on accept the
    // installed files: each command exits with 0 and prints no warning.
    void installedFileIsValid_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments"); // the installed file comes last
        QTest::addColumn<QString>("path");
        QTest::newRow("desktop entry")
            << "desktop-file-validate" << QStringList{} << "share/applications/velantar.desktop";
        QTest::newRow("AppStream entry")
            << "appstreamcli" << QStringList{"validate", "--no-net", "--pedantic"}
            << "share/metainfo/org.example.velantar.metainfo.xml";
        for (const QString page : {"velantar", "velantar-emu"})
            QTest::newRow(qPrintable("manual page " + page))
                << "man" << QStringList{"--warnings", "-l"} << "share/man/man1/" + page + ".1.gz";
    }

    void installedFileIsValid() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QProcess checker;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MANPAGER", "cat");
        environment.insert("MANWIDTH", "80");
        checker.setProcessEnvironment(environment);
        checker.start(program, arguments << installed(path));
        QVERIFY2(checker.waitForFinished(60000), qPrintable(program + " did not run"));
        const QByteArray errors = checker.readAllStandardError();
        const QByteArray output = checker.readAllStandardOutput();
        QVERIFY2(checker.exitCode() == 0, (output + errors).constData());
        QVERIFY2(errors.isEmpty(), errors.constData());
    }

    // The installed launcher answers --version with the program's own version and --help
    // with its usage, without a display and without creating any folder.
    void launcherAnswersWithoutStarting_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("firstLine");
        // The package's version (from its changelog) is the program's.
        QTest::newRow("version") << "--version"
                                 << "velantar (ВЕЛАНТАР-ГРАФИЧЕСКИЙ) " VELANTAR_PACKAGE_VERSION;
        QTest::newRow("help") << "--help"
                              << "Starts ВЕЛАНТАР-ГРАФИЧЕСКИЙ in its working folder, where it "
                                 "keeps the settings, norms,";
    }

    void launcherAnswersWithoutStarting() {
        QFETCH(QString, option);
        QFETCH(QString, firstLine);
        QTemporaryDir home;
        QProcess launcher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        launcher.setProcessEnvironment(environment);
        launcher.start(installed("bin/velantar"), {option});
        QVERIFY(launcher.waitForFinished(15000));
        QCOMPARE(launcher.exitCode(), 0);
        const QString output = QString::fromUtf8(launcher.readAllStandardOutput());
        QCOMPARE(output.section('\n', 0, 0), firstLine);
        QVERIFY(!output.contains("set -u"));
        QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    // The launcher seeds the working folder without replacing the user's files, and the
    // program it starts there finds the analyser and writes its settings there when closed.
    // The folder is "Велантар" in the documents folder, unless an earlier version's folder
    // is there to be used.
    void launcherRunsTheProgramInTheWorkingFolder_data() {
        QTest::addColumn<QString>("folder");       // relative to the home folder
        QTest::addColumn<bool>("xdgDataHome");     // XDG_DATA_HOME set to ~/xdg
        QTest::addColumn<bool>("earlier");         // the folder is there before the start
        QTest::addColumn<QByteArray>("usersHelp"); // readme.txt already there, or empty
        QTest::newRow("documents folder, first start")
            << "Документы/Велантар" << false << false << QByteArray();
        QTest::newRow("earlier folder under XDG_DATA_HOME")
            << "xdg/velantar" << true << true << QByteArray();
        QTest::newRow("earlier folder in home, user's help kept")
            << ".local/share/velantar" << false << true << QByteArray("my own notes\r\n");
    }

    void launcherRunsTheProgramInTheWorkingFolder() {
        QFETCH(QString, folder);
        QFETCH(bool, xdgDataHome);
        QFETCH(bool, earlier);
        QFETCH(QByteArray, usersHelp);
        QTemporaryDir home;
        folder = home.path() + "/" + folder;
        QVERIFY(QDir().mkpath(home.path() + "/.config"));
        QFile userDirs(home.path() + "/.config/user-dirs.dirs");
        QVERIFY(userDirs.open(QIODevice::WriteOnly));
        userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n");
        userDirs.close();
        if (earlier)
            QVERIFY(QDir().mkpath(folder));
        if (!usersHelp.isEmpty()) {
            QFile help(folder + "/readme.txt");
            QVERIFY(help.open(QIODevice::WriteOnly));
            help.write(usersHelp);
        }

        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        emulator.command("trace on");
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));

        QProcess launcher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.remove("XDG_DATA_HOME");
        environment.remove("XDG_CONFIG_HOME");
        if (xdgDataHome)
            environment.insert("XDG_DATA_HOME", home.path() + "/xdg");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VELANTAR_PORTS", emulator.devicePath());
        launcher.setProcessEnvironment(environment);
        launcher.setWorkingDirectory(home.path());
        launcher.start(installed("bin/velantar"), {});
        QVERIFY(launcher.waitForStarted());

        // Polling has begun once the readings are asked for.
        bool polling = false;
        QDeadlineTimer deadline(20000);
        while (!polling && !deadline.hasExpired()) {
            emulator.pump(100);
            for (const QString &line : emulator.takeTrace())
                polling = polling || line.contains("99 33 00");
        }
        QVERIFY2(polling, launcher.readAllStandardError().constData());

        launcher.terminate(); // the launcher became the program: it closes through its exit save
        QVERIFY(launcher.waitForFinished(15000));
        QCOMPARE(launcher.exitCode(), 0);

        QCOMPARE(QFileInfo(folder + "/Tolmera10.dat").size(), 356);
        for (const QString &file : shippedData()) {
            const QByteArray expected = file == "readme.txt" && !usersHelp.isEmpty()
                                            ? usersHelp
                                            : contents(source("data/" + file));
            QCOMPARE(contents(folder + "/" + file), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
