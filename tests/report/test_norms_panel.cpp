#include "app_settings.h"
#include "norm_grid.h"
#include "norm_panel_texts.h"
#include "norm_spin_box.h"
#include "norms_panel.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "tform3.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

template <std::size_t N>
QListWidget *list(QWidget *parent, const char *name, const std::array<const char16_t *, N> &items) {
    auto *l = new QListWidget(parent);
    l->setObjectName(name);
    for (const char16_t *item : items)
        l->addItem(QString::fromUtf16(item));
    return l;
}

// The controls of the norms panel and the grid, named as the main window names them.
struct Panel {
    QWidget window;
    QWidget *controls = new QWidget(&window);
    QTableWidget *grid = new QTableWidget(NormGrid::kRowCount, NormGrid::kColumnCount, &window);
    QLineEdit *elsewhere = new QLineEdit(&window);
    QList<NormSpinBox *> spins; // SpinEdit1..SpinEdit3

    Panel() {
        auto *column = new QVBoxLayout(controls);
        column->addWidget(list(controls, "ListBox1", NormPanelTexts::Categories));
        column->addWidget(list(controls, "ListBox2", NormPanelTexts::Variants));
        column->addWidget(list(controls, "ListBox3", NormPanelTexts::SpeedModes));
        for (const char *name : {"BitBtn10", "BitBtn8"}) {
            auto *button = new QPushButton(controls);
            button->setObjectName(name);
            column->addWidget(button);
        }
        auto *indicator = new QLineEdit(controls);
        indicator->setObjectName("Edit7");
        column->addWidget(indicator);
        for (const char *name : {"SpinEdit1", "SpinEdit2", "SpinEdit3"}) {
            auto *spin = new NormSpinBox(controls);
            spin->setObjectName(name);
            column->addWidget(spin);
            spins << spin;
        }
        auto *comma = new QLabel(QStringLiteral(","), controls);
        comma->setObjectName("Label5");
        column->addWidget(comma);
        grid->setObjectName("StringGrid5");
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                grid->setItem(r, c, new QTableWidgetItem);
        auto *page = new QVBoxLayout(&window);
        page->addWidget(controls);
        page->addWidget(grid);
        page->addWidget(elsewhere);
    }

    template <typename T> T *get(const char *name) const { return window.findChild<T *>(name); }
    // The controls as the panel's builder hands them over.
    NormsPanelControls typed() const {
        return {get<QListWidget>("ListBox1"),
                get<QListWidget>("ListBox2"),
                get<QListWidget>("ListBox3"),
                get<QPushButton>("BitBtn10"),
                get<QPushButton>("BitBtn8"),
                get<QLineEdit>("Edit7"),
                get<QLabel>("Label5"),
                spins[0],
                spins[1],
                spins[2]};
    }
    QString valueCell(int column) const { return grid->item(NormGrid::kValueRow, column)->text(); }
};

int keyOf(const QString &name) {
    static const QHash<QString, int> keys = {{"Enter", Qt::Key_Return},
                                             {"Esc", Qt::Key_Escape},
                                             {"Backspace", Qt::Key_Backspace},
                                             {"Plus", Qt::Key_Plus}};
    return keys.value(name, 0);
}

} // namespace

// The norms panel over real list, button, spin box and grid widgets.
class TestNormsPanel : public QObject {
    Q_OBJECT

    SettingsStore settings_;
    ChangeFlags flags_;
    ScriptedPrompts prompts_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() {
        settings_.replace(AppSettings());
        flags_ = ChangeFlags();
        prompts_.shown.clear();
    }

    // Steps: digits are typed into the focused editor, key names are pressed and released
    // there, "leave" moves the focus out of the editors.
    void editsThroughTheSpinBoxes_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("cell");

        QTest::newRow("CO whole 4, fraction 5")
            << 2 << 0 << 0 << "4 Enter 5 Enter" << 405 << "        4,05";
        QTest::newRow("lambda 1 and 25")
            << 2 << 2 << 4 << "1 Enter 25 Enter" << 1025 << "        1,025";
        QTest::newRow("CH in the single field")
            << 3 << 1 << 2 << "750 Enter" << 750 << "        750";
        QTest::newRow("leaving the single field stores")
            << 2 << 0 << 7 << "2300 leave" << 2300 << "        2300";
        QTest::newRow("leaving the fraction field stores")
            << 2 << 0 << 1 << "1 Enter 7 leave" << 107 << "        1,07";
        QTest::newRow("Backspace sets 0")
            << 2 << 0 << 3 << "Backspace Enter" << 0 << QString::fromUtf16(NormGrid::NoLimitCell);
        QTest::newRow("plus sets 0") << 2 << 0 << 6 << "Plus Enter" << 0 << "        0";
        QTest::newRow("Esc in the whole part") << 2 << 0 << 0 << "4 Esc" << 350 << "        3,50";
        QTest::newRow("Esc in the fraction")
            << 2 << 0 << 0 << "4 Enter 5 Esc" << 350 << "        3,50";
        QTest::newRow("a fixed category is refused") << 0 << 0 << 0 << "" << 350 << "        3,50";
    }
    void editsThroughTheSpinBoxes() {
        QFETCH(int, category);
        QFETCH(int, variant);
        QFETCH(int, column);
        QFETCH(QString, steps);
        settings_.set(&AppSettings::VehicleCategory, category);
        settings_.set(&AppSettings::CatalystKind, variant);
        Panel p;
        NormsPanel panel(p.typed(), p.grid, settings_, flags_, prompts_, &p.window);
        panel.startUp();
        p.window.show();
        QApplication::setActiveWindow(&p.window);
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        const NormTable before = panel.table();

        const QRect cell = p.grid->visualItemRect(p.grid->item(NormGrid::kValueRow, column));
        QTest::mouseClick(p.grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(panel.editor().markedColumn(), column);
        p.get<QPushButton>("BitBtn8")->click();

        const bool fixed = category < 2;
        QCOMPARE(prompts_.shown.size(), fixed ? 1 : 0);
        QCOMPARE(panel.editor().isEditing(), !fixed);
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY2(focused && focused->parentWidget() == p.controls, qPrintable(step));
            if (step == QLatin1String("leave"))
                p.elsewhere->setFocus();
            else if (const int key = keyOf(step))
                QTest::keyClick(focused, Qt::Key(key));
            else
                QTest::keyClicks(focused, step);
        }

        QTEST(int(panel.table().row(category, variant).field(column)), "stored");
        QTEST(p.valueCell(column), "cell");
        QFETCH(int, stored);
        const bool changed = !fixed && !steps.contains(QLatin1String("Esc"));
        QCOMPARE(flags_.NormsModified, changed);
        QCOMPARE(panel.table() == before, stored == before.row(category, variant).field(column));
        QVERIFY(!panel.editor().isEditing());
        QVERIFY(p.get<QPushButton>("BitBtn8")->isVisible());
        for (const char *name : {"SpinEdit1", "SpinEdit2", "SpinEdit3"})
            QVERIFY(!p.get<QSpinBox>(name)->isVisible());
        QVERIFY(!p.get<QLabel>("Label5")->isVisible());
    }

    void categoriesDialogLeadsToAFixedCategory_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("initialRow");
        QTest::addColumn<int>("chosen");

        QTest::newRow("N1 from Настройка1") << 2 << true << 3 << 0 << 0;
        QTest::newRow("M3 from Настройка2") << 3 << true << 2 << 1 << 1;
        QTest::newRow("no row selected") << 0 << true << -1 << 0 << 1;
        QTest::newRow("Отмена keeps the category") << 2 << false << 3 << 0 << 2;
    }
    void categoriesDialogLeadsToAFixedCategory() {
        QFETCH(int, category);
        QFETCH(bool, accept);
        QFETCH(int, row);
        settings_.set(&AppSettings::VehicleCategory, category);
        Panel p;
        NormsPanel panel(p.typed(), p.grid, settings_, flags_, prompts_, &p.window);
        panel.startUp();
        int initialRow = -2;
        panel.runModal = [&](QDialog &dialog) {
            auto &form = static_cast<TForm3 &>(dialog);
            initialRow = form.selectedRow();
            form.rows()->clearSelection();
            if (row >= 0)
                form.selectRow(row);
            return accept ? QDialog::Accepted : QDialog::Rejected;
        };
        QSignalSpy published(&panel, &NormsPanel::limitsPublished);
        p.get<QPushButton>("BitBtn10")->click();

        QTEST(initialRow, "initialRow");
        QTEST(settings_.get().VehicleCategory, "chosen");
        QTEST(p.get<QListWidget>("ListBox1")->currentRow(), "chosen");
        QCOMPARE(published.size(), 1); // the grid is refreshed however the dialog closed
        QCOMPARE(panel.categoriesDialog().windowTitle(), QStringLiteral("Категории автомобилей "));
        QCOMPARE(panel.categoriesDialog().rows()->count(), 6);
    }

    void speedModeAndAutomaticSwitching_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("rpms");
        QTest::addColumn<QStringList>("indicator");
        QTest::addColumn<QList<int>>("coLimits");

        QTest::newRow("automatic, category 0 without catalyst")
            << 2 << QList<int>{800, 2150, 2151, 1500, 1450, 1449}
            << QStringList{" МИН", " МИН", " ПОВ", " ПОВ", " ПОВ", " МИН"}
            << QList<int>{350, 350, 200, 200, 200, 350};
        QTest::newRow("elevated by hand")
            << 1 << QList<int>{800} << QStringList{" ПОВ"} << QList<int>{200};
        QTest::newRow("minimal by hand")
            << 0 << QList<int>{3000} << QStringList{" МИН"} << QList<int>{350};
    }
    void speedModeAndAutomaticSwitching() {
        QFETCH(int, mode);
        QFETCH(QList<int>, rpms);
        QFETCH(QStringList, indicator);
        QFETCH(QList<int>, coLimits);
        // so that choosing `mode` is a change
        settings_.set(&AppSettings::SpeedMode, mode == 0 ? 1 : 0);
        Panel p;
        NormsPanel panel(p.typed(), p.grid, settings_, flags_, prompts_, &p.window);
        panel.startUp();
        p.get<QListWidget>("ListBox3")->setCurrentRow(mode);
        QCOMPARE(settings_.get().SpeedMode, mode);
        auto *edit7 = p.get<QLineEdit>("Edit7");
        for (qsizetype i = 0; i < rpms.size(); ++i) {
            if (panel.autoSwitching())
                panel.AutoSwitchSpeedMode(rpms[i]);
            QCOMPARE(edit7->text(), indicator[i]);
            QCOMPARE(edit7->palette().color(QPalette::Text),
                     indicator[i] == " ПОВ" ? QColor(Qt::yellow) : QColor(Qt::green));
            QCOMPARE(panel.limits().CoLimitInForce, coLimits[i]);
        }
        QCOMPARE(edit7->palette().color(QPalette::Base), QColor(Qt::black));
    }

    // A click on the speed mode already chosen chooses it anew: automatic switching that had
    // gone to the raised-speed limits starts again at the minimal ones.
    void clickOnTheChosenSpeedMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("indicator");
        QTest::newRow("automatic, switched to raised speed") << 2 << " МИН";
        QTest::newRow("elevated by hand") << 1 << " ПОВ";
        QTest::newRow("minimal by hand") << 0 << " МИН";
    }
    void clickOnTheChosenSpeedMode() {
        QFETCH(int, mode);
        settings_.set(&AppSettings::SpeedMode, mode);
        Panel p;
        NormsPanel panel(p.typed(), p.grid, settings_, flags_, prompts_, &p.window);
        panel.startUp();
        p.window.show();
        if (panel.autoSwitching())
            panel.AutoSwitchSpeedMode(3000);
        auto *list = p.get<QListWidget>("ListBox3");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(mode)).center());
        QCOMPARE(settings_.get().SpeedMode, mode);
        QTEST(p.get<QLineEdit>("Edit7")->text(), "indicator");
        QCOMPARE(panel.elevatedActive(), mode == 1);
    }

    void damagedSelectionIndexesNothingOutsideTheTable() {
        settings_.set(&AppSettings::VehicleCategory, 9);
        settings_.set(&AppSettings::CatalystKind, -3);
        settings_.set(&AppSettings::SpeedMode, 7);
        Panel p;
        NormsPanel panel(p.typed(), p.grid, settings_, flags_, prompts_, &p.window);
        panel.startUp();
        QCOMPARE(p.valueCell(0), QStringLiteral("        3,50"));
        QCOMPARE(p.grid->toolTip(), QStringLiteral("Нормы по ГОСТ Р 52033-2003"));
        QCOMPARE(p.get<QLineEdit>("Edit7")->text(), QStringLiteral(" МИН"));
        QVERIFY(!panel.autoSwitching());
        for (const char *name : {"ListBox1", "ListBox2", "ListBox3"})
            QCOMPARE(p.get<QListWidget>(name)->currentRow(), -1);
        panel.BitBtn8Click();
        QCOMPARE(prompts_.shown.size(), 1);
        QCOMPARE(panel.table(), NormTable());
    }
};

QTEST_MAIN(TestNormsPanel)
#include "test_norms_panel.moc"
