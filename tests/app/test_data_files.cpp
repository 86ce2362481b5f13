#include "app_settings.h"
#include "station_file.h"
#include "working_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "test_files.h"

using namespace TestFiles;

class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    // Working folder
    void folderRule_data();
    void folderRule();
    void dataFileNames();
    void takenFromTheCurrentDirectory();
    void subfoldersAreCreatedWhenMissing();
    void subfolderBlockedByAFile();

    // Station line file
    void stationLineIsWrittenInTheCyrillicCodePage();
    void stationLineIsCutTo64Characters();
    void emptyStationFileGivesAnEmptyLine();
    void missingStationFileKeepsTheLine();
    void stationWriteFailureIsSilent();
};

void TestDataFiles::folderRule_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("folder");
    QTest::newRow("drive root") << "C:\\"
                                << "C:";
    QTest::newRow("drive root, Qt form") << "C:/"
                                         << "C:";
    QTest::newRow("drive folder") << "C:\\Tolmera"
                                  << "C:\\Tolmera";
    QTest::newRow("unix root") << "/"
                               << "";
    QTest::newRow("unix folder") << "/work/x"
                                 << "/work/x";
    QTest::newRow("three characters, not a root") << "/ab"
                                                  << "/ab";
}

void TestDataFiles::folderRule() {
    QFETCH(QString, current);
    QFETCH(QString, folder);
    QCOMPARE(WorkingFolder::folderFor(current), folder);
    QCOMPARE(WorkingFolder(current).text(), folder);
}

void TestDataFiles::dataFileNames() {
    QCOMPARE(dataFilePath("/work/x", DataFileNames::Settings), QString("/work/x/Tolmera10.dat"));

    const WorkingFolder work("/work/x");
    QCOMPARE(work.filePath(DataFileNames::Norms), QString("/work/x/Tolmera10.nor"));
    QCOMPARE(work.filePath(DataFileNames::Station), QString("/work/x/Tolmera10.sto"));
    QCOMPARE(work.filePath(DataFileNames::CalibrationGas), QString("/work/x/Tolmera10.pgs"));
    QCOMPARE(work.filePath(DataFileNames::TextFolder), QString("/work/x/Text"));
    QCOMPARE(work.filePath(DataFileNames::GraphFolder), QString("/work/x/Graph"));

    // A single separator after a root.
    QCOMPARE(WorkingFolder("C:\\").filePath(DataFileNames::Settings), QString("C:/Tolmera10.dat"));
    QCOMPARE(WorkingFolder("/").filePath(DataFileNames::Station), QString("/Tolmera10.sto"));
}

void TestDataFiles::takenFromTheCurrentDirectory() {
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const WorkingFolder work = WorkingFolder::takeCurrent();
    QVERIFY(QDir::setCurrent(before));

    // Taken once: later changes of the current directory do not move it.
    QCOMPARE(QFileInfo(work.text()).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());
    QCOMPARE(QFileInfo(work.filePath(DataFileNames::Settings)).absolutePath(),
             QFileInfo(work.text()).absoluteFilePath());
}

void TestDataFiles::subfoldersAreCreatedWhenMissing() {
    QTemporaryDir dir;
    const WorkingFolder work(dir.path());
    QVERIFY(QDir(dir.path()).mkdir("Graph"));
    QVERIFY(putBytes(dir.filePath("Graph/old.dan"), "data"));

    QVERIFY(work.createSubfolders());
    QVERIFY(QFileInfo(dir.filePath("Text")).isDir());
    QVERIFY(QFileInfo(dir.filePath("Graph")).isDir());
    QCOMPARE(fileBytes(dir.filePath("Graph/old.dan")), QByteArray("data"));

    QVERIFY(work.createSubfolders()); // both already there
}

void TestDataFiles::subfolderBlockedByAFile() {
    QTemporaryDir dir;
    QVERIFY(putBytes(dir.filePath("Text"), "not a folder"));
    QVERIFY(!WorkingFolder(dir.path()).createSubfolders());
    QVERIFY(QFileInfo(dir.filePath("Graph")).isDir()); // the other one is still made
}

void TestDataFiles::stationLineIsWrittenInTheCyrillicCodePage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.sto");
    const QString line = QStringLiteral("Станция №5 «Ёлка»");

    QVERIFY(StationFile::write(path, line));
    QCOMPARE(fileBytes(path), QByteArray::fromHex("d1f2e0edf6e8ff20b93520aba8ebeae0bb0d0a"));

    QString back = defaultStationName();
    QVERIFY(StationFile::read(path, back));
    QCOMPARE(back, line);

    // The default line survives the same way.
    QVERIFY(StationFile::write(path, defaultStationName()));
    QVERIFY(StationFile::read(path, back));
    QCOMPARE(back, defaultStationName());
}

void TestDataFiles::stationLineIsCutTo64Characters() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.sto");
    QByteArray bytes;
    QString hundred;
    for (int i = 0; i < 100; ++i) {
        bytes.append(char(0xC0 + i % 32)); // А..Я in the code page
        hundred += QChar(u'А' + i % 32);
    }
    QVERIFY(putBytes(path, bytes + "\r\nsecond line\r\n"));

    QString line;
    QVERIFY(StationFile::read(path, line));
    QCOMPARE(line.size(), kStationNameMaxLength);
    QCOMPARE(line, hundred.left(64));

    // Exactly 64 characters, and a last line without its line end, stay whole.
    QVERIFY(putBytes(path, bytes.left(64)));
    QVERIFY(StationFile::read(path, line));
    QCOMPARE(line, hundred.left(64));
}

void TestDataFiles::emptyStationFileGivesAnEmptyLine() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.sto");
    QVERIFY(putBytes(path, QByteArray()));
    QString line = defaultStationName();
    QVERIFY(StationFile::read(path, line));
    QCOMPARE(line, QString());

    // An empty line written gives a file of just the line end, read back as empty.
    QVERIFY(StationFile::write(path, QString()));
    QCOMPARE(fileBytes(path), QByteArray("\r\n"));
    line = defaultStationName();
    QVERIFY(StationFile::read(path, line));
    QCOMPARE(line, QString());
}

void TestDataFiles::missingStationFileKeepsTheLine() {
    QTemporaryDir dir;
    QString line = defaultStationName();
    QVERIFY(!StationFile::read(dir.filePath("Tolmera10.sto"), line));
    QCOMPARE(line, defaultStationName());

    QVERIFY(QDir(dir.path()).mkdir("folder.sto"));
    QVERIFY(!StationFile::read(dir.filePath("folder.sto"), line));
    QCOMPARE(line, defaultStationName());
}

void TestDataFiles::stationWriteFailureIsSilent() {
    QTemporaryDir dir;
    QVERIFY(!StationFile::write(dir.filePath("gone/Tolmera10.sto"), QStringLiteral("x")));
    QVERIFY(!QFile::exists(dir.filePath("gone")));

    QVERIFY(QDir(dir.path()).mkdir("Tolmera10.sto"));
    QVERIFY(!StationFile::write(dir.filePath("Tolmera10.sto"), QStringLiteral("x")));
    QVERIFY(QFileInfo(dir.filePath("Tolmera10.sto")).isDir());
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_data_files.moc"
