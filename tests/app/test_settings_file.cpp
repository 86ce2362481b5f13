#include "app_settings.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "settings_ranges.h"
#include "settings_store.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "test_files.h"

#include <csignal>
#include <functional>
#include <limits>
#include <sys/resource.h>

using namespace TestFiles;

Q_DECLARE_METATYPE(AppSettings)

namespace {

const QString kWriteProtected = QStringLiteral("Диск защищен от записи.");

QByteArray words(std::initializer_list<qint32> values) {
    QByteArray bytes;
    for (qint32 value : values) {
        char le[4];
        qToLittleEndian(value, le);
        bytes.append(le, 4);
    }
    return bytes;
}

qint32 wordAt(const QByteArray &bytes, int word) {
    return qFromLittleEndian<qint32>(bytes.constData() + word * 4);
}

bool storedAsItIs(const SettingsRanges::FieldRange &range) {
    return range.min == std::numeric_limits<qint32>::min() &&
           range.max == std::numeric_limits<qint32>::max();
}

// Every field different from its default and within its range; the fields stored as they are
// hold large and negative values.
AppSettings fullyChanged() {
    AppSettings s;
    for (int i = 1; i < AppSettings::kFieldCount; ++i) {
        const SettingsRanges::FieldRange &range = SettingsRanges::of(i);
        if (storedAsItIs(range))
            s.field(i) = (i % 2 ? 1 : -1) * (100000 + i * 7919);
        else
            s.field(i) = range.max != range.defaultValue ? range.max : range.min;
    }
    return s;
}

// A record with each field's value chosen from its range (the version word stays 23).
AppSettings eachField(const std::function<qint32(const SettingsRanges::FieldRange &)> &value) {
    AppSettings s;
    for (int i = 1; i < AppSettings::kFieldCount; ++i)
        s.field(i) = value(SettingsRanges::of(i));
    return s;
}

// The defaults, with the fields stored as they are taken from the given record.
AppSettings defaultsKeepingStoredFields(const AppSettings &from) {
    AppSettings s;
    for (int i = 1; i < AppSettings::kFieldCount; ++i)
        if (storedAsItIs(SettingsRanges::of(i)))
            s.field(i) = from.field(i);
    return s;
}

// Makes a folder reachable by every user, as the unprivileged checks need.
bool openToEverybody(const QString &folder) {
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                             QFile::ExeGroup);
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The record
    void defaultsInRecordOrder();
    void fieldIndexReachesTheNamedMembers();
    void rangesByMember_data();
    void rangesByMember();

    // The word order and the bytes
    void wordOrderIsTheInterleavedOrder();
    void encodedBytesPinTheOrder();
    void versionWordIsAlways23();

    // Reading
    void roundTripOfAFullyChangedRecord();
    void shortFileSetsOnlyTheWordsPresent();
    void partialLastWordIsMissing();
    void otherVersionsAreIgnored_data();
    void otherVersionsAreIgnored();
    void unusableFilesGiveDefaults();
    void readOnlyFileIsRead();
    void bytesAfterTheLastWordAreIgnored();
    void outOfRangeValuesGetTheirDefaults_data();
    void outOfRangeValuesGetTheirDefaults();

    // Writing
    void writeIntoMissingFolderShowsTheMessage();
    void commitOntoAFolderShowsTheMessage();
    void failedWriteLeavesTheOldFileWhole();
    void writeIntoWriteProtectedFolder_data();
    void writeIntoWriteProtectedFolder();
    void saveAtExitHonoursTheResetFlag();
};

void TestSettingsFile::defaultsInRecordOrder() {
    const QList<qint32> expected = {
        23,       6,        0,        0,        0,        1,        0x000000, 0x808080, 250,
        25,       1000,     1,        2,        0,        0, // 0-14
        1,        1,        1,        400,      620,      500,      0,        100,      50,
        0,        150,      100,      1000,     1500,     1000,                            // 15-29
        0x00FFFF, 0xFFFFFF, 0xFF00FF, 0x000000, 0x800000, 0xFFFF00,                        // 30-35
        0x000000, 0xFF0000, 0x008000, 0xFFFFFF, 0x008080, 0x008080,                        // 36-41
        0x800080, 0x00FFFF, 0xFF0000, 0xFFFF00, 0x00FF00, 0x008080,                        // 42-47
        0,        0,        0,        0,        0,        0,                               // 48-53
        1,        0,        0,        0,        0,        0,                               // 54-59
        1,        0,        600,      450,      0,        0,        0,        1,        1, // 60-68
        0x0000FF, 0x000000, 0xFF0000, 0xC0C0C0, 0x800000, 0,        0,        0,        1, // 69-77
        0,        0,        0,        0,        0,                                         // 78-82
        10,       5000,     20,       25,       20,       5000};                           // 83-88
    QCOMPARE(expected.size(), AppSettings::kFieldCount);

    const AppSettings s;
    for (int i = 0; i < AppSettings::kFieldCount; ++i)
        QVERIFY2(s.field(i) == expected[i], qPrintable(QString("field %1").arg(i)));

    QVERIFY(!defaultStationName().isEmpty());
    QVERIFY(defaultStationName().size() <= 47);
}

void TestSettingsFile::fieldIndexReachesTheNamedMembers() {
    AppSettings s;
    QCOMPARE(&s.field(0), &s.FormatVersion);
    QCOMPARE(&s.field(14), &s.ReportFormUnlocked);
    QCOMPARE(&s.field(17), &s.Reserved1[2]);
    QCOMPARE(&s.field(27), &s.ViewInterval[0]);
    QCOMPARE(&s.field(35), &s.TextColor[5]);
    QCOMPARE(&s.field(53), &s.ChannelHidden[5]);
    QCOMPARE(&s.field(59), &s.Spare59);
    QCOMPARE(&s.field(60), &s.WindowMode);
    QCOMPARE(&s.field(77), &s.NoBuiltInPrinter);
    QCOMPARE(&s.field(82), &s.Spare78[4]);
    QCOMPARE(&s.field(88), &s.FullScale[5]);

    s.field(67) = 5;
    QCOMPARE(s.FixedPort, 5);
    const AppSettings &constRef = s;
    QCOMPARE(constRef.field(67), 5);
}

void TestSettingsFile::wordOrderIsTheInterleavedOrder() {
    const auto &order = SettingsFile::wordOrder();
    const QList<int> groups = {15, 18, 21, 24, 27, 16, 19, 22, 25, 28, 17, 20, 23, 26, 29};
    for (int w = 0; w < 15; ++w)
        QCOMPARE(order[w], w);
    for (int w = 0; w < 15; ++w)
        QCOMPARE(order[15 + w], groups[w]);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(order[30 + 5 * i + 0], 30 + i);
        QCOMPARE(order[30 + 5 * i + 1], 36 + i);
        QCOMPARE(order[30 + 5 * i + 2], 42 + i);
        QCOMPARE(order[30 + 5 * i + 3], 48 + i);
        QCOMPARE(order[30 + 5 * i + 4], 54 + i);
    }
    for (int w = 60; w < 89; ++w)
        QCOMPARE(order[w], w);
}

void TestSettingsFile::encodedBytesPinTheOrder() {
    AppSettings s;
    for (int i = 1; i < AppSettings::kFieldCount; ++i)
        s.field(i) = 1000 + i;
    s.WindowLeft = -5;

    const QByteArray bytes = SettingsFile::encode(s);
    QCOMPARE(bytes.size(), 356);
    QCOMPARE(bytes.left(4), QByteArray::fromHex("17000000"));
    QCOMPARE(wordAt(bytes, 1), s.CurrentView);
    QCOMPARE(wordAt(bytes, 14), s.ReportFormUnlocked);
    QCOMPARE(wordAt(bytes, 15), s.Reserved1[0]);
    QCOMPARE(wordAt(bytes, 16), s.Reserved2[0]);
    QCOMPARE(wordAt(bytes, 19), s.ViewInterval[0]);
    QCOMPARE(wordAt(bytes, 20), s.Reserved1[1]);
    QCOMPARE(wordAt(bytes, 29), s.ViewInterval[2]);
    QCOMPARE(wordAt(bytes, 30), s.TextColor[0]);
    QCOMPARE(wordAt(bytes, 31), s.BackColor[0]);
    QCOMPARE(wordAt(bytes, 33), s.ChannelHidden[0]);
    QCOMPARE(wordAt(bytes, 34), s.GraphStartMode);
    QCOMPARE(wordAt(bytes, 35), s.TextColor[1]);
    QCOMPARE(wordAt(bytes, 59), s.Spare59);
    QCOMPARE(wordAt(bytes, 60), s.WindowMode);
    QCOMPARE(wordAt(bytes, 88), s.FullScale[5]);
    QCOMPARE(bytes.mid(65 * 4, 4), QByteArray::fromHex("fbffffff")); // WindowLeft, little-endian
}

void TestSettingsFile::versionWordIsAlways23() {
    AppSettings s;
    s.FormatVersion = 5;
    QCOMPARE(wordAt(SettingsFile::encode(s), 0), 23);
}

void TestSettingsFile::roundTripOfAFullyChangedRecord() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    const AppSettings original = fullyChanged();
    ScriptedPrompts prompts;

    QVERIFY(SettingsFile::write(path, original, prompts));
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(QFileInfo(path).size(), 356);

    const AppSettings back = SettingsFile::read(path);
    QVERIFY(back == original);
    QVERIFY(!(back == AppSettings{}));

    // Writing again replaces the file with the new values.
    QVERIFY(SettingsFile::write(path, AppSettings{}, prompts));
    QVERIFY(SettingsFile::read(path) == AppSettings{});
}

void TestSettingsFile::shortFileSetsOnlyTheWordsPresent() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    const QByteArray full = SettingsFile::encode(fullyChanged());
    QVERIFY(putBytes(path, full.left(60)));

    const AppSettings s = SettingsFile::read(path);
    const AppSettings defaults;
    const AppSettings changed = fullyChanged();
    for (int i = 1; i <= 14; ++i)
        QCOMPARE(s.field(i), changed.field(i));
    for (int i = 15; i < AppSettings::kFieldCount; ++i)
        QCOMPARE(s.field(i), defaults.field(i));
}

void TestSettingsFile::partialLastWordIsMissing() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    QVERIFY(putBytes(path, SettingsFile::encode(fullyChanged()).left(58)));

    const AppSettings s = SettingsFile::read(path);
    QCOMPARE(s.PortScanRange, fullyChanged().PortScanRange); // word 13, complete
    QCOMPARE(s.ReportFormUnlocked, 0);                       // word 14, two bytes only

    // Only the version word: all defaults.
    QVERIFY(putBytes(path, words({23})));
    QVERIFY(SettingsFile::read(path) == AppSettings{});
}

void TestSettingsFile::otherVersionsAreIgnored_data() {
    QTest::addColumn<qint32>("version");
    QTest::newRow("22") << 22;
    QTest::newRow("24") << 24;
    QTest::newRow("0") << 0;
    QTest::newRow("23 big-endian") << qint32(0x17000000);
}

void TestSettingsFile::otherVersionsAreIgnored() {
    QFETCH(qint32, version);
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    QByteArray bytes = SettingsFile::encode(fullyChanged());
    qToLittleEndian(version, bytes.data());
    QVERIFY(putBytes(path, bytes));
    QVERIFY(SettingsFile::read(path) == AppSettings{});
}

void TestSettingsFile::unusableFilesGiveDefaults() {
    QTemporaryDir dir;
    QVERIFY(SettingsFile::read(dir.filePath("missing.dat")) == AppSettings{});
    QVERIFY(!QFile::exists(dir.filePath("missing.dat"))); // reading never creates the file

    QVERIFY(QDir(dir.path()).mkdir("folder.dat"));
    QVERIFY(SettingsFile::read(dir.filePath("folder.dat")) == AppSettings{});

    const QString path = dir.filePath("Tolmera10.dat");
    for (const QByteArray &bytes : {QByteArray(), QByteArray("\x17\0\0", 3)}) {
        QVERIFY(putBytes(path, bytes));
        QVERIFY(SettingsFile::read(path) == AppSettings{});
    }
}

void TestSettingsFile::readOnlyFileIsRead() {
    QTemporaryDir dir;
    QVERIFY(openToEverybody(dir.path()));
    const QString path = dir.filePath("Tolmera10.dat");
    QVERIFY(putBytes(path, SettingsFile::encode(fullyChanged())));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    const std::optional<bool> read =
        Unprivileged::run([&] { return SettingsFile::read(path) == fullyChanged(); });
    if (!read)
        QSKIP("running as root and unable to check as an ordinary user");
    QVERIFY(*read);
}

void TestSettingsFile::bytesAfterTheLastWordAreIgnored() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    QVERIFY(putBytes(path, SettingsFile::encode(fullyChanged()) + words({7, 8, 9}) + "xy"));
    QVERIFY(SettingsFile::read(path) == fullyChanged());
}

void TestSettingsFile::rangesByMember_data() {
    QTest::addColumn<int>("byMember");
    QTest::addColumn<int>("index");
    QTest::newRow("LineWidth") << SettingsRanges::fieldIndex(&AppSettings::LineWidth) << 12;
    QTest::newRow("ViewInterval[2]")
        << SettingsRanges::fieldIndex(&AppSettings::ViewInterval, 2) << 29;
    QTest::newRow("FullScale[5]") << SettingsRanges::fieldIndex(&AppSettings::FullScale, 5) << 88;
    QTest::newRow("FixedPort") << SettingsRanges::fieldIndex(&AppSettings::FixedPort) << 67;
}

void TestSettingsFile::rangesByMember() {
    QFETCH(int, byMember);
    QFETCH(int, index);
    QCOMPARE(byMember, index);
    QCOMPARE(&SettingsRanges::of(index), &SettingsRanges::of(byMember));
    // Every default lies within its own range, so the defaults pass the reader unchanged.
    const AppSettings defaults;
    for (int i = 0; i < AppSettings::kFieldCount; ++i)
        QVERIFY2(SettingsRanges::of(i).contains(defaults.field(i)), qPrintable(QString::number(i)));
}

void TestSettingsFile::outOfRangeValuesGetTheirDefaults_data() {
    using SettingsRanges::FieldRange;
    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    QTest::addColumn<AppSettings>("stored");
    QTest::addColumn<AppSettings>("expected");

    const AppSettings atMinimum = eachField([](const FieldRange &r) { return r.min; });
    const AppSettings atMaximum = eachField([](const FieldRange &r) { return r.max; });
    QTest::newRow("every field at its minimum") << atMinimum << atMinimum;
    QTest::newRow("every field at its maximum") << atMaximum << atMaximum;

    const AppSettings below =
        eachField([](const FieldRange &r) { return r.min == kMin ? kMin : r.min - 1; });
    const AppSettings above =
        eachField([](const FieldRange &r) { return r.max == kMax ? kMax : r.max + 1; });
    const AppSettings lowest = eachField([](const FieldRange &) { return kMin; });
    const AppSettings highest = eachField([](const FieldRange &) { return kMax; });
    QTest::newRow("every field below its minimum") << below << defaultsKeepingStoredFields(below);
    QTest::newRow("every field above its maximum") << above << defaultsKeepingStoredFields(above);
    QTest::newRow("every field -2^31") << lowest << defaultsKeepingStoredFields(lowest);
    QTest::newRow("every field 2^31-1") << highest << defaultsKeepingStoredFields(highest);

    AppSettings viewThree = fullyChanged();
    viewThree.CurrentView = 3;
    AppSettings viewThreeRead = fullyChanged();
    viewThreeRead.CurrentView = 6;
    QTest::newRow("view number 3") << viewThree << viewThreeRead;
}

void TestSettingsFile::outOfRangeValuesGetTheirDefaults() {
    QFETCH(AppSettings, stored);
    QFETCH(AppSettings, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    QVERIFY(putBytes(path, SettingsFile::encode(stored)));
    const AppSettings read = SettingsFile::read(path);
    for (int i = 0; i < AppSettings::kFieldCount; ++i)
        QVERIFY2(read.field(i) == expected.field(i),
                 qPrintable(QString("field %1: %2").arg(i).arg(read.field(i))));
}

void TestSettingsFile::writeIntoMissingFolderShowsTheMessage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("gone/Tolmera10.dat");
    ScriptedPrompts prompts;
    QVERIFY(!SettingsFile::write(path, AppSettings{}, prompts));
    QCOMPARE(prompts.shown, QStringList{kWriteProtected});
    QVERIFY(!QFile::exists(path));
}

void TestSettingsFile::commitOntoAFolderShowsTheMessage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    QVERIFY(QDir(dir.path()).mkdir("Tolmera10.dat"));
    QVERIFY(putBytes(path + "/inside", "keep"));

    ScriptedPrompts prompts;
    QVERIFY(!SettingsFile::write(path, AppSettings{}, prompts));
    QCOMPARE(prompts.shown, QStringList{kWriteProtected});
    QCOMPARE(fileBytes(path + "/inside"), QByteArray("keep"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{}); // no temporary left
}

void TestSettingsFile::failedWriteLeavesTheOldFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    const QByteArray old = SettingsFile::encode(fullyChanged());
    QVERIFY(putBytes(path, old));

    ScriptedPrompts prompts;
    bool written = true;
    {
        FileSizeLimit limit(100); // the new file cannot grow to 356 bytes
        written = SettingsFile::write(path, AppSettings{}, prompts);
    }
    QVERIFY(!written);
    QCOMPARE(prompts.shown, QStringList{kWriteProtected});
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tolmera10.dat"});
}

void TestSettingsFile::writeIntoWriteProtectedFolder_data() {
    QTest::addColumn<bool>("fileWritable");
    // The folder refuses the temporary file, but the file itself can be written in place.
    QTest::newRow("writable file is saved") << true;
    // Nothing can be written: the message, and the old file stays whole.
    QTest::newRow("read-only file is kept") << false;
}

void TestSettingsFile::writeIntoWriteProtectedFolder() {
    QFETCH(bool, fileWritable);
    QTemporaryDir dir;
    QVERIFY(openToEverybody(dir.path()));
    const QString folder = dir.filePath("ro");
    QVERIFY(QDir(dir.path()).mkdir("ro"));
    const QString path = folder + "/Tolmera10.dat";
    const QByteArray old = SettingsFile::encode(AppSettings{});
    QVERIFY(putBytes(path, old));
    const auto readAll = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto writeAll = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QVERIFY(QFile::setPermissions(path, fileWritable ? readAll | writeAll : readAll));
    QVERIFY(QFile::setPermissions(folder,
                                  readAll | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    auto restore = qScopeGuard([&] { openToEverybody(folder); });

    const QByteArray wanted = SettingsFile::encode(fullyChanged());
    const std::optional<bool> asExpected = Unprivileged::run([&] {
        ScriptedPrompts prompts;
        const bool written = SettingsFile::write(path, fullyChanged(), prompts);
        const QStringList message = fileWritable ? QStringList() : QStringList{kWriteProtected};
        return written == fileWritable && prompts.shown == message &&
               fileBytes(path) == (fileWritable ? wanted : old) &&
               QDir(folder).entryList(QDir::Files) == QStringList{"Tolmera10.dat"};
    });
    if (!asExpected)
        QSKIP("running as root and unable to check as an ordinary user");
    QVERIFY(*asExpected);
}

void TestSettingsFile::saveAtExitHonoursTheResetFlag() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tolmera10.dat");
    ScriptedPrompts prompts;
    ChangeFlags flags;

    SettingsStore settings;
    settings.replace(fullyChanged());
    QVERIFY(SettingsFile::saveAtExit(path, settings, flags, prompts));
    QVERIFY(SettingsFile::read(path) == fullyChanged());

    flags.ResetSettings = true;
    QVERIFY(SettingsFile::saveAtExit(path, settings, flags, prompts));
    QVERIFY(settings.get() == AppSettings{});
    QCOMPARE(fileBytes(path), SettingsFile::encode(AppSettings{}));
    QVERIFY(prompts.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
