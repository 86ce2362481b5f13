#include "app_settings.h"
#include "link_controller.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "side_document.h"
#include "side_document_router.h"
#include "tform1.h"
#include "tpagesdlg.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
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
        QCOMPARE(window->minimumSize(), QSize(620, 400));
    }

    void menusCarryEveryItem() {
        auto window = makeWindow();
        const QList<QMenu *> menus =
            window->menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
        QStringList titles;
        for (QMenu *menu : menus)
            titles << menu->title();
        QCOMPARE(titles, (QStringList{"Файл", "  Вид  ", "Действия", "Помощь"}));

        const auto item = [&](const char *name) { return window->findChild<QAction *>(name); };
        QCOMPARE(item("N27")->text(), QStringLiteral("Связь"));
        QCOMPARE(item("N27")->shortcut(), QKeySequence("F7"));
        QVERIFY(item("N27")->isEnabled());
        QCOMPARE(item("N32")->text(), QStringLiteral("Запись  Nпов."));
        QCOMPARE(item("N32")->shortcut(), QKeySequence("F12"));
        QCOMPARE(item("N6")->shortcut(), QKeySequence("F10"));
        QVERIFY(item("N28")->isEnabled());
        QVERIFY(item("N44")->isEnabled());

        // Separators after "Печать отчета", "Печать графика" and "Сохранить заголовок".
        QStringList fileMenu;
        for (QAction *action : menus[0]->actions())
            fileMenu << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(fileMenu.count("-"), 3);
        QCOMPARE(fileMenu.at(fileMenu.indexOf("Печать отчета") + 1), QStringLiteral("-"));
        QCOMPARE(fileMenu.last(), QStringLiteral("Выход"));
    }

    void toolbarOrderAndHints() {
        auto window = makeWindow();
        auto *bar = window->findChild<QToolBar *>("ToolBar1");
        QStringList hints;
        for (QAction *action : bar->actions()) {
            if (action->isSeparator()) {
                hints << "|";
            } else if (auto *b = qobject_cast<QToolButton *>(bar->widgetForAction(action))) {
                hints << b->toolTip();
            }
        }
        QCOMPARE(hints,
                 (QStringList{"Показания", "Информация.", "Таблица", "Отчет", "Диаграмма ",
                              "График.", "|", "Опции.", "|", "Помощь.", "О программе.", "|",
                              "Демонстрация", "Связь", "|", "Насос", "Пуск/стоп", "|", "Выход"}));
    }

    void viewSwitchSetsTheRefreshTimers() {
        auto window = makeWindow();
        window->show();
        QTimer &timerTab = *window->findChild<QTimer *>("TimerTab");
        QTimer &timerDia = *window->findChild<QTimer *>("TimerDia");
        window->selectView(4);
        QVERIFY(timerDia.isActive());
        QVERIFY(window->findChild<QWidget *>("Panel7")->isVisible());
        QVERIFY(window->findChild<QWidget *>("Panel8")->isVisible());
        timerTab.stop();
        window->selectView(1); // table while the indication runs: TimerTab on, TimerDia kept
        QVERIFY(timerTab.isActive());
        QVERIFY(timerDia.isActive());
        QVERIFY(window->findChild<QWidget *>("Panel2")->isVisible());
        QVERIFY(!window->findChild<QWidget *>("Panel7")->isVisible());
        window->selectView(5);
        QVERIFY(!timerTab.isActive() && !timerDia.isActive());
        QVERIFY(window->findChild<QWidget *>("Chart3")->isVisible());
        window->findChild<QToolButton *>("ToolButton7")->click(); // the shown view's button
        QVERIFY(window->findChild<QToolButton *>("ToolButton7")->isChecked());
        QCOMPARE(window->state().Settings.CurrentView, 5);
    }

    void reportPanelsFollowTheReportForm() {
        auto window = makeWindow();
        window->show();
        window->selectView(2);
        QVERIFY(window->findChild<QWidget *>("Panel16")->isVisible());
        QVERIFY(!window->findChild<QWidget *>("Panel1")->isVisible());
        window->state().Settings.ReportKind = 1;
        window->ViewSwitch();
        QVERIFY(!window->findChild<QWidget *>("Panel16")->isVisible());
        QVERIFY(window->findChild<QWidget *>("Panel1")->isVisible());
    }

    void damagedViewNumberShowsNoView() {
        AppSettings stored;
        stored.CurrentView = 3;
        stored.ConnectAtStart = 0;
        QVERIFY(SettingsFile::write(settingsPath(), stored, *prompts_));
        auto window = makeWindow();
        window->show();
        for (const char *name : {"Panel4", "StringGrid1", "Chart3", "Panel7", "Memo10"})
            QVERIFY2(!window->findChild<QWidget *>(name)->isVisible(), name);
        QVERIFY(window->findChild<QWidget *>("Edit16")->isVisible());
        // The refresh timer still follows the view timer mode (the text views' one).
        QVERIFY(window->findChild<QTimer *>("TimerTab")->isActive());
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

    void closeQuestionsCanKeepTheWindowOpen() {
        auto window = makeWindow();
        window->show();
        FakeDocument graph, report;
        graph.isUnsaved = report.isUnsaved = true;
        window->documents().setGraph(&graph);
        window->documents().setReport(&report);
        prompts_->answers = {UserPrompts::Answer::No, UserPrompts::Answer::Cancel};
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QVERIFY(!QFile::exists(settingsPath()));

        prompts_->answers = {UserPrompts::Answer::Yes};
        QVERIFY(!window->close());
        QCOMPARE(window->state().Settings.CurrentView, 5);
        QCOMPARE(graph.saves, 1); // the graph view's "Сохранить"
        QCOMPARE(report.saves, 0);
        QVERIFY(!QFile::exists(settingsPath()));

        graph.isUnsaved = report.isUnsaved = false;
        QVERIFY(window->close());
        QCOMPARE(QFileInfo(settingsPath()).size(), 356);
        QCOMPARE(SettingsFile::read(settingsPath()).CurrentView, 5);
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
};

QTEST_MAIN(TestTForm1)
#include "test_tform1.moc"
