#include "app_settings.h"
#include "calibration_gas_kits.h"
#include "fixed_clock.h"
#include "link_controller.h"
#include "norm_file.h"
#include "norms_panel.h"
#include "readings_source_probe.h"
#include "report_document.h"
#include "report_wiring.h"
#include "scripted_file_dialogs.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "side_document.h"
#include "side_document_router.h"
#include "test_files.h"
#include "tform1.h"
#include "tform2.h"
#include "tpagesdlg.h"
#include "tprt.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

namespace {

// A side panel document that records what the shared buttons ask of it.
struct FakeDocument : SideDocument {
    bool isUnsaved = false;
    int saves = 0;
    void save() override { ++saves; }
    void open() override {}
    void clear() override {}
    void print() override {}
    void configure() override {}
    bool unsaved() const override { return isUnsaved; }
};

} // namespace

// The main window on the offscreen platform, started in an empty folder with no serial
// ports at all, so that nothing reaches real hardware.
class TestTForm1 : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;
    ScriptedPrompts *prompts_ = nullptr;

    std::unique_ptr<TForm1> makeWindow() {
        TForm1::Environment environment;
        environment.workingDirectory = dir_->path();
        environment.prompts = prompts_;
        return std::make_unique<TForm1>(environment);
    }

    QString settingsPath() const { return dir_->filePath("Tolmera10.dat"); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qputenv("VELANTAR_PORTS", "");
    }
    void init() {
        dir_ = new QTemporaryDir;
        prompts_ = new ScriptedPrompts;
    }
    void cleanup() {
        delete prompts_;
        delete dir_;
    }

    void startsWithDefaultsInAnEmptyFolder() {
        auto window = makeWindow();
        QVERIFY(QFileInfo(dir_->filePath("Text")).isDir());
        QVERIFY(QFileInfo(dir_->filePath("Graph")).isDir());
        QCOMPARE(window->windowTitle(), QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));
        QCOMPARE(window->state().Settings.CurrentView, 6);
        QCOMPARE(window->link().portCount(), 2);
        QVERIFY(window->link().isSearching()); // the defaults connect at once
        QCOMPARE(window->findChild<QLineEdit *>("Edit16")->text(),
                 QStringLiteral(" Г/А НЕ ПОДКЛЮЧЕН"));
        window->show();
        QVERIFY(window->isMaximized());
        QVERIFY(window->findChild<QWidget *>("Panel4")->isVisible());
        QVERIFY(!window->findChild<QWidget *>("Chart3")->isVisible());
        QVERIFY(window->findChild<QToolButton *>("ToolButton8")->isChecked());
        // The menu items whose commands exist are enabled.
        for (const char *item : {"N27", "N28", "N44", "N31", "N19"})
            QVERIFY2(window->findChild<QAction *>(item)->isEnabled(), item);
        // The smallest outer frame, whatever the window manager adds around the client.
        QCOMPARE(window->minimumSize().grownBy(window->windowHandle()->frameMargins()),
                 QSize(620, 400));
    }

    // View number 3 is used by no view: read from a damaged file it gives the default view,
    // the readings.
    void damagedViewNumberShowsTheReadingsView() {
        AppSettings stored;
        stored.CurrentView = 3;
        stored.ConnectAtStart = 0;
        QVERIFY(SettingsFile::write(settingsPath(), stored, *prompts_));
        auto window = makeWindow();
        window->show();
        QCOMPARE(window->state().Settings.CurrentView, 6);
        QVERIFY(window->findChild<QWidget *>("Panel4")->isVisible());
        for (const char *name : {"StringGrid1", "Chart3", "Panel7", "Memo10"})
            QVERIFY2(!window->findChild<QWidget *>(name)->isVisible(), name);
        QVERIFY(window->findChild<QWidget *>("Edit16")->isVisible());
        // A view number no view has, reached at run time, still sets the refresh timers.
        auto *timerTab = window->findChild<QTimer *>("TimerTab");
        timerTab->stop();
        window->selectView(3);
        QVERIFY(timerTab->isActive());
    }

    void optionsPortPageEditsThePortSettings() {
        auto window = makeWindow();
        TPagesDlg &options = window->options();
        QStringList titles;
        for (int i = 0; i < options.pages()->count(); ++i)
            titles << options.pages()->tabText(i);
        QCOMPARE(titles, (QStringList{"Общие", "Цвет", "График", "Управл.", "Нормы", "Порт",
                                      "Прочее", "Показания"}));
        options.openAt(TPagesDlg::Port, false);
        options.findChild<QAbstractButton *>("RadioGroup8_1")->click();
        options.findChild<QAbstractButton *>("RadioGroup7_2")->click();
        QCOMPARE(window->state().Settings.PortMode, 1);
        QCOMPARE(window->state().Settings.FixedPort, 3);
        QVERIFY(!options.findChild<QWidget *>("RadioGroup4")->isEnabled());
        QCOMPARE(options.findChild<QLineEdit *>("Edit17")->text(),
                 QStringLiteral("  Связь не установлена."));
        options.close();
    }

    void terminationClosesAnOpenDialogAndAsksNothing() {
        auto window = makeWindow();
        window->show();
        FakeDocument graph;
        graph.isUnsaved = true;
        window->documents().setGraph(&graph);
        QTimer::singleShot(0, window.get(), [&] { window->terminate(); });
        window->options().openAt(TPagesDlg::General, true); // returns once rejected
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(prompts_->shown.isEmpty());
        QCOMPARE(QFileInfo(settingsPath()).size(), 356);
    }

    void normsAreSavedAtExitOnlyAfterAnEdit_data() {
        QTest::addColumn<bool>("edited");
        QTest::newRow("edited") << true;
        QTest::newRow("not edited") << false;
    }
    void normsAreSavedAtExitOnlyAfterAnEdit() {
        QFETCH(bool, edited);
        auto window = makeWindow();
        window->findChild<QListWidget *>("ListBox1")->setCurrentRow(2); // "Настройка1"
        if (edited) {
            window->norms().BitBtn8Click(); // the CO column, marked at start
            window->findChild<QSpinBox *>("SpinEdit2")->setValue(4);
            auto *fraction = window->findChild<QSpinBox *>("SpinEdit3");
            fraction->setValue(5);
            QTest::keyClick(fraction, Qt::Key_Return);
        }
        QVERIFY(window->close());
        const QString norms = dir_->filePath("Tolmera10.nor");
        QCOMPARE(QFile::exists(norms), edited);
        QCOMPARE(LoadNormFile(norms).row(2, 0).CoIdle, edited ? 405 : 350);
        QCOMPARE(SettingsFile::read(settingsPath()).VehicleCategory, 2);
    }

    void reportSideIsWiredIntoTheWindow() {
        // A kits file whose working kit differs from the defaults.
        CalibrationGasKits kits = DefaultCalibrationGasKits();
        kits[0].cylinders[0].gas[0] = 100;
        const QString kitsPath = dir_->filePath("Tolmera10.pgs");
        QVERIFY(TestFiles::putBytes(kitsPath, CalibrationGasFile::encode(kits)));
        ScriptedFileDialogs dialogs;
        FixedClock clock(QDateTime(QDate(2026, 5, 14), QTime(9, 0)));
        TForm1::Environment environment;
        environment.workingDirectory = dir_->path();
        environment.prompts = prompts_;
        environment.fileDialogs = &dialogs;
        environment.clock = &clock;
        TForm1 window(environment);
        window.show();
        ReportWiring &report = window.report();
        auto *memo = window.findChild<QPlainTextEdit *>("Memo10");
        QCOMPARE(window.documents().report(), &report.document());
        QCOMPARE(report.kits()[0], kits[0]);
        QCOMPARE(report.document().report().CellText(0, 0, ReferenceColumn),
                 QStringLiteral("1,00  "));
        QVERIFY(memo->toPlainText().contains(QStringLiteral("Владелец:")));

        // "Запись   Nмин." works in the readings view; the saving menu item shows the report.
        ReadingsSourceProbe::setSample(window.readingsSource(), {150, 0, 0, 0, 1000, 800});
        window.findChild<QAction *>("N31")->trigger();
        QVERIFY(window.state().Flags.ReportUnsaved);
        QCOMPARE(window.state().Settings.CurrentView, 6);
        dialogs.answers = {dir_->filePath("Text/saved.txt")};
        window.findChild<QAction *>("N7")->trigger();
        QCOMPARE(window.state().Settings.CurrentView, 2);
        QCOMPARE(dialogs.proposedNames, QStringList{"05-14.txt"});
        QVERIFY(!window.state().Flags.ReportUnsaved);
        QVERIFY(memo->isVisible());

        // "Оформить" runs the vehicle dialog; after any modal opening of the options the
        // document is rebuilt.
        int vehicleDialogs = 0;
        report.vehicleDialog().runModal = [&](QDialog &) {
            ++vehicleDialogs;
            return int(QDialog::Rejected);
        };
        window.findChild<QPushButton *>("BitBtn9")->click();
        QCOMPARE(vehicleDialogs, 1);
        memo->setPlainText(QStringLiteral("открытый файл"));
        QTimer::singleShot(0, &window.options(), [&] { window.options().reject(); });
        window.OpenOptionsAt(TPagesDlg::General);
        QVERIFY(memo->toPlainText().contains(QStringLiteral("Подпись:")));

        // The pop-up menu of the record panels.
        auto *popup = window.findChild<QMenu *>("PopupMenu3");
        for (QAction *action : popup->actions())
            action->trigger(); // "EDIT", "SWITCH"
        QVERIFY(!memo->isReadOnly());
        QCOMPARE(window.state().Settings.ReportFormUnlocked, 1);

        // "Настроить" in the extended protocol opens the calibration gas editor; its "OK"
        // marks the kits for the exit save.
        window.state().Store.set(&AppSettings::ReportKind, ExtendedProtocol);
        report.gasEditor().runModal = [](QDialog &dialog) {
            dialog.findChild<QPushButton *>("BitBtn22")->click();
            return dialog.result();
        };
        window.findChild<QPushButton *>("BitBtn5")->click();
        QVERIFY(window.state().Flags.CalibrationGasChanged);
        QVERIFY(TestFiles::putBytes(kitsPath, QByteArray(7, 'x')));
        QVERIFY(window.close());
        QCOMPARE(CalibrationGasFile::decode(TestFiles::fileBytes(kitsPath)), kits);
    }
};

QTEST_MAIN(TestTForm1)
#include "test_tform1.moc"
