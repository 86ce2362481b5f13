#include "app_settings.h"
#include "categories_dialog_rules.h"
#include "current_readings.h"
#include "norm_cell_editor.h"
#include "norm_file.h"
#include "norm_grid.h"
#include "norm_limits.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(NormSet)
Q_DECLARE_METATYPE(NormEditor)
Q_DECLARE_METATYPE(EditorAction)
Q_DECLARE_METATYPE(NormEditorValues)
Q_DECLARE_METATYPE(ReadingSample)

namespace {

const QString NoLimit = QString::fromUtf16(NormGrid::NoLimitCell);

QString cell(const char *value) {
    return QStringLiteral("        ") + QString::fromUtf8(value);
}

// Fields of a record and the values a file gives them.
using FieldValues = QMap<int, int>;

// A hand-set row whose fields are all distinct: record r, field f holds 100 r + f + 1.
NormTable numberedTable() {
    NormTable table;
    for (int record = 0; record < NormFile::kRecordCount; ++record) {
        NormSet limits;
        for (int field = 0; field < NormSet::kFieldCount; ++field)
            limits.setField(field, qint16(100 * record + field + 1));
        table.setRow(2 + record / 4, record % 4, limits);
    }
    return table;
}

QByteArray numberedBytes(int records) {
    QByteArray bytes;
    for (int record = 0; record < records; ++record)
        for (int field = 0; field < NormSet::kFieldCount; ++field) {
            const int value = 100 * record + field + 1;
            bytes.append(char(value & 0xFF)).append(char(value >> 8));
        }
    return bytes;
}

} // namespace

class TestNorms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void gridTexts_data() {
        QTest::addColumn<NormSet>("limits");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QStringList>("cells");
        const QString gost = QStringLiteral("Нормы по ГОСТ Р 52033-2003");
        const QString hand = QStringLiteral("Ручная установка параметров");
        const NormTable t;
        // clang-format off
        QTest::newRow("M1,N1 built before 1986") << t.row(0, 3) << 0 << gost << QStringList{
            cell("4,50"), NoLimit, NoLimit, NoLimit, NoLimit, NoLimit, cell("1100"), cell("2500"), cell("3500")};
        QTest::newRow("M2.. three-way lambda") << t.row(1, 2) << 1 << gost << QStringList{
            cell("0,50"), cell("0,30"), cell("200"), cell("200"), cell("0,970"), cell("1,030"),
            cell("900"), cell("2000"), cell("2800")};
        QTest::newRow("Настройка2 hint") << t.row(3, 0) << 3 << hand << QStringList{
            cell("3,50"), cell("2,00"), cell("2500"), cell("1000"), NoLimit, NoLimit,
            cell("900"), cell("2000"), cell("2800")};
        QTest::newRow("maxima and below 1: no limit; speeds always numbers")
            << NormSet{1000, 999, 5000, 0, 2000, 1, 0, -5, 5000} << 2 << hand << QStringList{
            NoLimit, cell("9,99"), NoLimit, NoLimit, NoLimit, cell("0,001"), cell("0"), cell("-5"), cell("5000")};
        // clang-format on
    }
    void gridTexts() {
        QFETCH(NormSet, limits);
        QFETCH(int, category);
        const NormGridTexts texts = RefreshNormGrid(limits, category);
        QTEST(texts.hint, "hint");
        QTEST(QStringList(texts.cells.begin(), texts.cells.end()), "cells");
    }

    // Begin, type, store or cancel: what is stored, and whether NormsModified is set.
    void cellEditing_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("column");
        QTest::addColumn<NormEditorValues>("typed");
        QTest::addColumn<NormEditor>("editor"); // where the edit ends
        QTest::addColumn<int>("key");           // 0: the editor loses the focus
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("modified");
        using E = NormEditor;
        using V = NormEditorValues;
        // clang-format off
        QTest::newRow("CO 4 and 5 is 405") << 2 << 0 << 0 << V{0, 4, 5} << E::Fraction << int(Qt::Key_Return) << 405 << true;
        QTest::newRow("lambda 1 and 25 is 1025") << 2 << 2 << 4 << V{0, 1, 25} << E::Fraction << int(Qt::Key_Enter) << 1025 << true;
        QTest::newRow("CH stored on leaving") << 3 << 1 << 2 << V{750, 0, 0} << E::Single << 0 << 750 << true;
        QTest::newRow("speed clamped to 5000") << 3 << 0 << 8 << V{9999, 0, 0} << E::Single << int(Qt::Key_Return) << 5000 << true;
        QTest::newRow("Esc in the whole part") << 2 << 0 << 1 << V{0, 7, 7} << E::Integer << int(Qt::Key_Escape) << 200 << false;
        QTest::newRow("Esc in the single field") << 2 << 3 << 7 << V{1, 0, 0} << E::Single << int(Qt::Key_Escape) << 2500 << false;
        // clang-format on
    }
    void cellEditing() {
        QFETCH(int, category);
        QFETCH(int, variant);
        QFETCH(int, column);
        QFETCH(NormEditorValues, typed);
        QFETCH(NormEditor, editor);
        QFETCH(int, key);
        NormTable table;
        ChangeFlags flags;
        NormCellEditor edit;
        edit.markColumn(column);
        const BeginEditResult begun = edit.BeginCellEdit(table, category, variant);
        QVERIFY(begun.started);

        const EditorAction action = key ? edit.keyReleased(editor, key) : edit.focusLeft(editor);
        if (action == EditorAction::Commit)
            QVERIFY(edit.CommitCellEdit(table, flags, typed));
        else if (action == EditorAction::Cancel)
            edit.CancelCellEdit();
        // Hiding the editors takes the focus away from them; that stores nothing now.
        QCOMPARE(edit.focusLeft(editor), EditorAction::None);
        QVERIFY(!edit.isEditing());
        QTEST(int(table.row(category, variant).field(column)), "stored");
        QTEST(flags.NormsModified, "modified");
    }

    void editorSetupAndRefusal() {
        NormTable table;
        NormCellEditor edit;
        edit.markColumn(4);
        edit.markColumn(9); // outside the grid: ignored
        const BeginEditResult lambda = edit.BeginCellEdit(table, 2, 2);
        QVERIFY(lambda.setup.commaVisible && !lambda.setup.single.visible);
        QCOMPARE(lambda.setup.focus, NormEditor::Integer);
        QCOMPARE(lambda.setup.integer, (SpinEditorSetup{true, 0, 1, 1, 0}));
        QCOMPARE(lambda.setup.fraction, (SpinEditorSetup{true, 0, 999, 3, 970}));
        edit.markColumn(0);
        QCOMPARE(edit.BeginCellEdit(table, 2, 0).setup.fraction,
                 (SpinEditorSetup{true, 0, 99, 2, 50}));
        edit.markColumn(2);
        const BeginEditResult ch = edit.BeginCellEdit(table, 2, 0);
        QCOMPARE(ch.setup.single, (SpinEditorSetup{true, 0, 5000, 4, 1200}));
        QVERIFY(!ch.setup.commaVisible && !ch.setup.integer.visible && !ch.setup.fraction.visible);
        QCOMPARE(ch.setup.focus, NormEditor::Single);
        edit.CancelCellEdit();
        for (int fixed : {0, 1, -1, 7}) {
            const BeginEditResult refused = edit.BeginCellEdit(table, fixed, 0);
            QVERIFY(!refused.started && !edit.isEditing());
            QCOMPARE(refused.refusal,
                     QStringLiteral("Возможно изменение \"Настройки1\" и \"Настройки2\" "
                                    "в сочетании с любой системой нейтрализации."));
        }
    }

    void editorKeys_data() {
        QTest::addColumn<NormEditor>("editor");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<EditorAction>("action");
        const QList<int> zero = {Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Delete,    Qt::Key_Plus,
                                 Qt::Key_Minus,     Qt::Key_Equal, Qt::Key_Underscore};
        const QList<int> enter = {Qt::Key_Return, Qt::Key_Enter};
        const QList<int> others = {Qt::Key_5, Qt::Key_Comma, Qt::Key_Tab};
        using E = NormEditor;
        using A = EditorAction;
        // clang-format off
        for (E e : {E::Single, E::Integer, E::Fraction}) {
            const QByteArray n = QByteArray::number(int(e));
            QTest::newRow("zero keys " + n) << e << zero << A::SetZero;
            QTest::newRow("Esc " + n) << e << QList<int>{Qt::Key_Escape} << A::Cancel;
            QTest::newRow("others " + n) << e << others << A::None;
        }
        QTest::newRow("Enter single") << E::Single << enter << A::Commit;
        QTest::newRow("Enter integer") << E::Integer << enter << A::FocusFraction;
        QTest::newRow("Enter fraction") << E::Fraction << enter << A::Commit;
        // clang-format on
    }
    void editorKeys() {
        QFETCH(NormEditor, editor);
        QFETCH(QList<int>, keys);
        NormCellEditor idle;
        NormCellEditor edit;
        edit.markColumn(editor == NormEditor::Single ? 2 : 0);
        QVERIFY(edit.BeginCellEdit(NormTable(), 2, 0).started);
        for (int key : keys) {
            QTEST(edit.keyReleased(editor, key), "action");
            QCOMPARE(idle.keyReleased(editor, key), EditorAction::None);
        }
    }

    void speedMode_data() {
        QTest::addColumn<NormSet>("limits");
        QTest::addColumn<int>("speedMode"); // chosen by hand, the automatic mode runs after
        QTest::addColumn<QList<int>>("rpm");
        QTest::addColumn<QString>("indicators"); // after the choice, then after each rpm
        const NormSet negative{0, 0, 0, 0, 0, 0, 2001, 1000, 3000}; // d = -1001 / 4 = -250
        const NormSet m1 = NormTable().row(0, 0); // switches above 2150, back below 1450
        // clang-format off
        QTest::newRow("M1 none up and down") << m1 << 2 << QList<int>{800, 2150, 2151, 2200, 1500, 1450, 1449} << "М М М П П П П М";
        QTest::newRow("elevated by hand") << m1 << 1 << QList<int>{} << "П";
        QTest::newRow("minimal by hand") << m1 << 0 << QList<int>{} << "М";
        QTest::newRow("damaged setting") << m1 << 9 << QList<int>{} << "М";
        // Up above 1250, then in the same call down below 1751.
        QTest::newRow("negative d both rules") << negative << 2 << QList<int>{1500, 1800, 1751, 1750, 1800, 1200} << "М М П П М П М";
        // clang-format on
    }
    void speedMode() {
        QFETCH(NormSet, limits);
        QFETCH(int, speedMode);
        QFETCH(QList<int>, rpm);
        bool elevated = ElevatedActiveFor(SpeedModeFrom(speedMode));
        const auto shown = [&elevated] {
            const SpeedIndicator indicator = ShowSpeedIndicator(elevated);
            const QString letter = indicator.text == QStringLiteral(" ПОВ") ? QStringLiteral("П")
                                                                            : QStringLiteral("М");
            return indicator.fontColor == (elevated ? 0x00FFFF : 0x00FF00) ? letter
                                                                           : QStringLiteral("?");
        };
        QStringList indicators{shown()};
        for (int value : rpm) {
            elevated = AutoSwitchSpeedMode(limits, value, elevated);
            indicators << shown();
        }
        QTEST(indicators.join(u' '), "indicators");
    }

    void normFileBytes() {
        QCOMPARE(NormFile::encode(numberedTable()), numberedBytes(8));
        QCOMPARE(numberedBytes(8).size(), 144);
    }

    // Complete records in order, each field as the file holds it (a limit outside the
    // channel's scale too); the records the file lacks keep their defaults.
    void normFileDecode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("recordsFromFile");
        QTest::addColumn<FieldValues>("record0Fields"); // fields of record 0 the file changed
        QByteArray outside = numberedBytes(1);
        outside.replace(0, 2, QByteArray("\xFF\xFF"));  // CO idle -1
        outside.replace(16, 2, QByteArray("\x89\x13")); // elevated rpm max 5001
        // clang-format off
        QTest::newRow("empty") << QByteArray() << 0 << FieldValues{};
        QTest::newRow("two records and a part") << numberedBytes(3).left(40) << 2 << FieldValues{};
        QTest::newRow("one byte short") << numberedBytes(8).chopped(1) << 7 << FieldValues{};
        QTest::newRow("whole") << numberedBytes(8) << 8 << FieldValues{};
        QTest::newRow("longer than eight") << numberedBytes(8) + QByteArray(50, '\x7f') << 8 << FieldValues{};
        QTest::newRow("outside the scales") << outside << 1
                                            << FieldValues{{CoIdleColumn, -1}, {ElevatedRpmMaxColumn, 5001}};
        // clang-format on
    }
    void normFileDecode() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, recordsFromFile);
        QFETCH(FieldValues, record0Fields);
        const NormTable decoded = NormFile::decode(bytes);
        for (int record = 0; record < 8; ++record) {
            const int category = 2 + record / 4, variant = record % 4;
            NormSet expected = record < recordsFromFile ? numberedTable().row(category, variant)
                                                        : NormTable().row(category, variant);
            if (record == 0)
                for (auto field = record0Fields.cbegin(); field != record0Fields.cend(); ++field)
                    expected.setField(field.key(), qint16(field.value()));
            QCOMPARE(decoded.row(category, variant), expected);
        }
        for (int variant = 0; variant < 4; ++variant)
            for (int fixed : {0, 1})
                QCOMPARE(decoded.row(fixed, variant), NormTable::builtIn(fixed, variant));
    }

    void normFileOnDisk() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QString::fromUtf16(NormFile::FileName));
        QCOMPARE(LoadNormFile(path), NormTable());

        ChangeFlags flags;
        QCOMPARE(SaveNormFile(path, numberedTable(), flags), NormSaveOutcome::NotModified);
        QVERIFY(!QFile::exists(path));
        flags.NormsModified = true;
        QCOMPARE(SaveNormFile(path, numberedTable(), flags), NormSaveOutcome::Saved);
        QCOMPARE(TestFiles::fileBytes(path), numberedBytes(8));
        QCOMPARE(LoadNormFile(path), numberedTable());

        QCOMPARE(SaveNormFile(folder.filePath("missing/x.nor"), NormTable(), flags),
                 NormSaveOutcome::Failed);
        if (TestFiles::kFullDiskPossible) {
            TestFiles::FileSizeLimit full(10);
            QCOMPARE(SaveNormFile(path, NormTable(), flags), NormSaveOutcome::Failed);
        }
        QCOMPARE(LoadNormFile(path), numberedTable());
    }

    // The limits in force, the judging rules and which charts get norm marks.
    void judging_data() {
        QTest::addColumn<NormSet>("limits");
        QTest::addColumn<bool>("elevated");
        QTest::addColumn<ReadingSample>("reading");
        QTest::addColumn<QList<int>>("inForce"); // CO, CH
        QTest::addColumn<QString>("breaks");     // CO, CH, lambda, engine speed: 1 breaks
        QTest::addColumn<QString>("marked");     // CO, CH, lambda, engine speed charts
        const NormTable t;
        NormSet swapped = t.row(0, 2);
        std::swap(swapped.LambdaMin, swapped.LambdaMax);
        const NormSet atMaxima{1000, 1000, 5000, 5000, 970, 2000, 900, 2000, 2800};
        using R = ReadingSample;
        // clang-format off
        QTest::newRow("none idle, just above") << t.row(0, 0) << false << R{351, 1200, 0, 0, 950, 1101} << QList<int>{350, 1200} << "1001" << "1101";
        QTest::newRow("none idle, at the limits") << t.row(0, 0) << false << R{350, 1201, 0, 0, 0, 1100} << QList<int>{350, 1200} << "0100" << "1101";
        QTest::newRow("three-way, lean and slow") << t.row(0, 2) << true << R{30, 101, 0, 0, 969, 1999} << QList<int>{30, 100} << "0111" << "1111";
        QTest::newRow("three-way, within") << t.row(0, 2) << true << R{31, 100, 0, 0, 1030, 3500} << QList<int>{30, 100} << "1000" << "1111";
        QTest::newRow("three-way, rich and fast") << t.row(0, 2) << true << R{0, 0, 0, 0, 1031, 3501} << QList<int>{30, 100} << "0011" << "1111";
        QTest::newRow("lambda 2000 is no reading") << t.row(0, 2) << true << R{0, 0, 0, 0, 2000, 2500} << QList<int>{30, 100} << "0000" << "1111";
        QTest::newRow("lambda only when elevated") << t.row(0, 2) << false << R{0, 0, 0, 0, 500, 0} << QList<int>{50, 100} << "0000" << "1111";
        QTest::newRow("before 1986, elevated") << t.row(0, 3) << true << R{5000, 5000, 0, 0, 0, 2500} << QList<int>{0, 0} << "0000" << "0001";
        QTest::newRow("lambda window upside down") << swapped << true << R{0, 0, 0, 0, 500, 2500} << QList<int>{30, 100} << "0000" << "1101";
        QTest::newRow("limits at the maxima") << atMaxima << false << R{9999, 9999, 0, 0, 0, 0} << QList<int>{1000, 5000} << "0000" << "0001";
        // clang-format on
    }
    void judging() {
        QFETCH(NormSet, limits);
        QFETCH(bool, elevated);
        QFETCH(ReadingSample, reading);
        const PublishedLimits published = PublishLimits(limits, elevated);
        QTEST((QList<int>{published.CoLimitInForce, published.ChLimitInForce}), "inForce");
        const auto bit = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
        const QString breaks = bit(CoBreaksNorm(published.CoLimitInForce, reading.co)) +
                               bit(ChBreaksNorm(published.ChLimitInForce, reading.ch)) +
                               bit(LambdaBreaksNorm(limits, elevated, reading.lambda)) +
                               bit(RpmBreaksNorm(limits, elevated, reading.rpm));
        QTEST(breaks, "breaks");
        QString marked;
        for (const ChartNormMarks &marks : published.marks) {
            marked += bit(marks.marked());
            QCOMPARE(marks.labelPoints.first().value, 0.0);
            QCOMPARE(marks.labelPoints.size() == 1, !marks.marked());
        }
        QTEST(marked, "marked");
    }

    void marksContent() {
        const PublishedLimits p = PublishLimits(NormTable().row(0, 2), true);
        const QString six(6, u' '), seven(7, u' ');
        QCOMPARE(p.marks[CoNormChart], (ChartNormMarks{{{0, six}, {0.3, "0,30"}}, {0.3}}));
        QCOMPARE(p.marks[ChNormChart], (ChartNormMarks{{{0, seven}, {100, "100"}}, {100}}));
        QCOMPARE(p.marks[LambdaNormChart],
                 (ChartNormMarks{{{0, seven}, {1.03, "1,030"}, {0.97, "0,970"}}, {1.03, 0.97}}));
        QCOMPARE(p.marks[RpmNormChart],
                 (ChartNormMarks{{{0, seven}, {3500, "3500"}, {2000, "2000"}, {1100, "1100"}},
                                 {3500, 2000, 1100}}));
        const PublishedLimits none = PublishLimits(NormTable().row(1, 3), true);
        QCOMPARE(none.marks[CoNormChart], (ChartNormMarks{{{0, six}}, {}}));
    }

    // Selections read from a damaged settings file never index the table; the categories
    // dialog always leads to a fixed category.
    void selections_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("rowCategory"); // the row the table gives
        QTest::addColumn<int>("rowVariant");
        QTest::addColumn<int>("dialogRow"); // shown in the categories dialog
        QTest::newRow("M1") << 0 << 1 << 0 << 1 << 0;
        QTest::newRow("M2") << 1 << 3 << 1 << 3 << 1;
        QTest::newRow("Настройка1") << 2 << 2 << 2 << 2 << 0;
        QTest::newRow("Настройка2") << 3 << 0 << 3 << 0 << 1;
        QTest::newRow("category -1") << -1 << 2 << 0 << 2 << 1;
        QTest::newRow("category 4, variant 4") << 4 << 4 << 0 << 0 << 1;
        QTest::newRow("variant huge") << 1 << 1000000 << 1 << 0 << 1;
    }
    void selections() {
        QFETCH(int, category);
        QFETCH(int, variant);
        QFETCH(int, rowCategory);
        QFETCH(int, rowVariant);
        NormTable table = numberedTable();
        QCOMPARE(&table.row(category, variant), &table.row(rowCategory, rowVariant));
        QCOMPARE(table.setRow(category, variant, NormSet{}),
                 NormTable::isHandSet(category) && variant >= 0 && variant < 4);
        QTEST(CategoriesDialog::InitialRow(category), "dialogRow");
    }

    void categoriesDialogChoice() {
        QList<int> chosen; // after "ОК" with no row (-1), then rows M1, M2, M3, N1, N2, N3
        for (int row = -1; row < 6; ++row)
            chosen << CategoriesDialog::CategoryForRow(row);
        QCOMPARE(chosen, (QList<int>{1, 0, 1, 1, 0, 1, 1}));
    }
};

QTEST_GUILESS_MAIN(TestNorms)
#include "test_norms.moc"
