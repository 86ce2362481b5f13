#include "app_settings.h"
#include "bgr_color.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "tform1.h"
#include "tpagesdlg.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// What a test does inside the options dialog while it is open, and what it checks in the
// window afterwards.
using DialogActions = std::function<void(TPagesDlg &)>;
using WindowCheck = std::function<void(TForm1 &)>;

void click(QWidget &root, const char *name) {
    root.findChild<QAbstractButton *>(name)->click();
}

} // namespace

Q_DECLARE_METATYPE(DialogActions)
Q_DECLARE_METATYPE(WindowCheck)

// The options dialog inside the main window: every way in, and what its changes do to the
// window. The window starts in an empty folder with no serial ports and no link.
class TestOptionsWiring : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;
    ScriptedPrompts *prompts_ = nullptr;

    std::unique_ptr<TForm1> makeWindow() {
        AppSettings stored;
        stored.ConnectAtStart = 0;
        SettingsFile::write(dir_->filePath("Tolmera10.dat"), stored, *prompts_);
        TForm1::Environment environment;
        environment.workingDirectory = dir_->path();
        environment.prompts = prompts_;
        auto window = std::make_unique<TForm1>(environment);
        window->show();
        return window;
    }

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

    // Every way in opens the dialog modally on its page; afterwards the report text is built
    // again.
    void everyWayInOpensTheRightPage_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("way"); // a toolbar button, a menu item, or "menu/item"
        QTest::addColumn<int>("page");
        QTest::newRow("toolbar, readings") << 6 << "ToolButton9" << int(TPagesDlg::General);
        QTest::newRow("toolbar, diagram") << 4 << "ToolButton9" << int(TPagesDlg::Colour);
        QTest::newRow("toolbar, graph") << 5 << "ToolButton9" << int(TPagesDlg::Graph);
        QTest::newRow("menu, table") << 1 << "N26" << int(TPagesDlg::General);
        QTest::newRow("menu, graph") << 5 << "N26" << int(TPagesDlg::Graph);
        QTest::newRow("PopupMenu1 Интервал")
            << 1 << "PopupMenu1/Интервал" << int(TPagesDlg::General);
        QTest::newRow("PopupMenu1 Цвет") << 1 << "PopupMenu1/Цвет" << int(TPagesDlg::Other);
        QTest::newRow("PopupMenu1 Порт") << 1 << "PopupMenu1/Порт" << int(TPagesDlg::Port);
        QTest::newRow("PopupMenu4 Цвет") << 6 << "PopupMenu4/Цвет" << int(TPagesDlg::Readings);
        QTest::newRow("PopupMenu4 Интервал")
            << 6 << "PopupMenu4/Интервал" << int(TPagesDlg::General);
        QTest::newRow("PopupMenu7 Цвета диаграмм")
            << 4 << "PopupMenu7/Цвета диаграмм" << int(TPagesDlg::Colour);
        QTest::newRow("PopupMenu7 Порт") << 4 << "PopupMenu7/Порт" << int(TPagesDlg::Port);
        QTest::newRow("report's Настроить") << 2 << "BitBtn5" << int(TPagesDlg::Graph);
    }
    void everyWayInOpensTheRightPage() {
        QFETCH(int, view);
        QFETCH(QString, way);
        QFETCH(int, page);
        auto window = makeWindow();
        window->selectView(view);
        QList<int> opened;
        window->options().runModal = [&](QDialog &dialog) {
            opened << window->options().pages()->currentIndex();
            dialog.show();
            dialog.reject();
            return dialog.result();
        };
        auto *memo = window->findChild<QPlainTextEdit *>("Memo10");
        memo->setPlainText(QStringLiteral("открытый файл"));

        if (way.contains('/')) {
            const auto *menu = window->findChild<QMenu *>(way.section('/', 0, 0));
            for (QAction *action : menu->actions())
                if (action->text() == way.section('/', 1))
                    action->trigger();
        } else if (auto *action = window->findChild<QAction *>(way)) {
            action->trigger();
        } else {
            window->findChild<QAbstractButton *>(way)->click();
        }
        QCOMPARE(opened, QList<int>{page});
        QVERIFY(memo->toPlainText().contains(QStringLiteral("Подпись:")));
    }

    // What the dialog changes reaches the window.
    void changesReachTheWindow_data() {
        QTest::addColumn<DialogActions>("act");
        QTest::addColumn<WindowCheck>("check");
        QTest::newRow("intervals on OK") << DialogActions([](TPagesDlg &d) {
            d.findChild<QSpinBox *>("SpinEdit1")->setValue(500);
            d.findChild<QSpinBox *>("SpinEdit3")->setValue(300);
            click(d, "OKBtn");
        }) << WindowCheck([](TForm1 &w) {
            QCOMPARE(w.findChild<QTimer *>("TimerTab")->interval(), 500);
            QCOMPARE(w.findChild<QTimer *>("TimerGRP")->interval(), 300);
        });
        QTest::newRow("readings colour kept after Отмена") << DialogActions([this](TPagesDlg &d) {
            prompts_->colors = {QColor(Qt::yellow)};
            click(d, "Button19");
            click(d, "CancelBtn");
        }) << WindowCheck([](TForm1 &w) {
            QCOMPARE(w.state().Settings.ReadingsTextColor, 0x00FFFF);
            QCOMPARE(w.findChild<QLineEdit *>("Edit8")->palette().color(QPalette::Text),
                     QColor(Qt::yellow));
        });
        QTest::newRow("mode indication off") << DialogActions([](TPagesDlg &d) {
            click(d, "CheckBox6");
            click(d, "CancelBtn");
        }) << WindowCheck([](TForm1 &w) {
            QCOMPARE(w.state().Settings.OldAnalyser, 1);
            QCOMPARE(w.findChild<QLineEdit *>("Edit15")->text(), QString());
            auto *pump = w.findChild<QLineEdit *>("Edit14");
            QCOMPARE(pump->text(), QStringLiteral(" Насос"));
            QCOMPARE(pump->palette().color(QPalette::Text), QColor(Qt::black));
            auto *grid = w.findChild<QTableWidget *>("StringGrid1");
            QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("CO,%"));
            QCOMPARE(grid->item(4, 0)->text(), QStringLiteral("Lambda"));
        });
        QTest::newRow("report form in the report view") << DialogActions([](TPagesDlg &d) {
            click(d, "RadioGroup9_1");
            click(d, "OKBtn");
        }) << WindowCheck([](TForm1 &w) {
            QCOMPARE(w.state().Settings.ReportKind, 1);
            QVERIFY(w.findChild<QWidget *>("Panel1")->isVisible());
            QVERIFY(!w.findChild<QWidget *>("Panel16")->isVisible());
        });
        QTest::newRow("window mode 640 x 480") << DialogActions([](TPagesDlg &d) {
            click(d, "RadioGroup6_0");
            click(d, "OKBtn");
        }) << WindowCheck([](TForm1 &w) {
            QCOMPARE(w.state().Settings.WindowMode, 0);
            QCOMPARE(w.state().Settings.WindowRestored, 0); // it was maximised
            QVERIFY(w.isVisible());
            QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(w.geometry(), QRect(0, 0, 640, 480));
        });
    }
    void changesReachTheWindow() {
        QFETCH(DialogActions, act);
        QFETCH(WindowCheck, check);
        auto window = makeWindow();
        window->state().Store.set(&AppSettings::OldAnalyser, 0);
        window->state().Store.set(&AppSettings::ReportFormUnlocked, 1);
        window->selectView(2);
        window->options().runModal = [&](QDialog &dialog) {
            dialog.show();
            act(window->options());
            return dialog.result();
        };
        window->OpenOptionsAt(TPagesDlg::General);
        check(*window);
    }

    // "Настройки по умолчанию." answered Yes ends the program, writing the defaults.
    void defaultsAreWrittenAtExit_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << int(UserPrompts::Answer::Yes);
        QTest::newRow("No") << int(UserPrompts::Answer::No);
    }
    void defaultsAreWrittenAtExit() {
        QFETCH(int, answer);
        const bool yes = answer == int(UserPrompts::Answer::Yes);
        auto window = makeWindow();
        window->state().Store.set(&AppSettings::LineWidth, 4);
        window->options().runModal = [&](QDialog &dialog) {
            dialog.show();
            prompts_->answers = {UserPrompts::Answer(answer)};
            click(dialog, "Button24");
            if (dialog.isVisible())
                click(dialog, "CancelBtn");
            return dialog.result();
        };
        window->OpenOptionsAt(TPagesDlg::General);
        if (yes)
            QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 10000);
        QCoreApplication::processEvents(); // a close queued by mistake would run here
        QCOMPARE(window->isVisible(), !yes);
        if (!yes)
            QVERIFY(window->close());
        QCOMPARE(SettingsFile::read(dir_->filePath("Tolmera10.dat")).LineWidth, yes ? 2 : 4);
    }
};

QTEST_MAIN(TestOptionsWiring)
#include "test_options_wiring.moc"
