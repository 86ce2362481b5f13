#include "demonstration_controller.h"
#include "link_controller.h"
#include "readings_refresh.h"
#include "scripted_prompts.h"
#include "taboutbox.h"
#include "text_file_1251.h"
#include "tform1.h"
#include "tpagesdlg.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The demonstration, help, the about box and the options pop-up menus of the main window,
// started in an empty folder with no serial ports at all.
class TestInfoCommands : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;
    ScriptedPrompts *prompts_ = nullptr;

    std::unique_ptr<TForm1> makeWindow() {
        TForm1::Environment environment;
        environment.workingDirectory = dir_->path();
        environment.prompts = prompts_;
        auto window = std::make_unique<TForm1>(environment);
        window->show();
        return window;
    }
    template <typename T> static T *child(const TForm1 &window, const char *name) {
        return window.findChild<T *>(name);
    }
    // Runs `act`, which opens a modal dialog; `inspect` sees the dialog and closes it.
    static void withModal(const std::function<void()> &act,
                          const std::function<void(QWidget *)> &inspect) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            seen = true;
            inspect(QApplication::activeModalWidget());
        });
        act();
        QVERIFY(seen);
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

    void demonstrationSwitch_data();
    void demonstrationSwitch();
    void demonstrationValuesOnScreen();
    void help_data();
    void help();
    void aboutBox_data();
    void aboutBox();
    void optionsPopupMenus_data();
    void optionsPopupMenus();
};

void TestInfoCommands::demonstrationSwitch_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("status");

    QTest::newRow("once from the toolbar") << false << 1 << true << " ДЕМОНСТРАЦИЯ";
    QTest::newRow("once from the menu") << true << 1 << true << " ДЕМОНСТРАЦИЯ";
    QTest::newRow("twice") << false << 2 << false << " Г/А НЕ ПОДКЛЮЧЕН";
}

void TestInfoCommands::demonstrationSwitch() {
    QFETCH(bool, fromMenu);
    QFETCH(int, presses);
    QFETCH(bool, running);
    QFETCH(QString, status);

    auto window = makeWindow();
    QVERIFY(window->link().isSearching()); // the defaults connect at start
    window->selectView(4);
    child<QTimer>(*window, "TimerDia")->stop();
    child<QAction>(*window, "N29")->trigger(); // "Пуск/стоп"
    QVERIFY(!window->state().indicationRunning());
    for (int i = 0; i < presses; ++i) {
        if (fromMenu)
            child<QAction>(*window, "N44")->trigger();
        else
            child<QToolButton>(*window, "ToolButton5")->click();
    }
    QCOMPARE(child<QTimer>(*window, "TimerDemo")->isActive(), running);
    QCOMPARE(child<QTimer>(*window, "TimerDemo")->interval(), 300);
    QCOMPARE(child<QLineEdit>(*window, "Edit16")->text(), status);
    // Polling and the search stop, and do not come back by themselves.
    QVERIFY(!window->link().isSearching());
    QVERIFY(!window->link().isPolling());
    QVERIFY(window->state().indicationRunning());
    QVERIFY(child<QTimer>(*window, "TimerDia")->isActive()); // the diagram view's refresh
    QVERIFY(child<QToolButton>(*window, "ToolButton17")->isEnabled());
    QVERIFY(!child<QProgressBar>(*window, "ProgressBar1")->isVisible());
    QCOMPARE(window->options().findChild<QLineEdit *>("Edit17")->text(),
             QStringLiteral("Демонстрация работы программы."));
    // "Связь" stops the demonstration.
    child<QToolButton>(*window, "ToolButton14")->click();
    QVERIFY(!child<QTimer>(*window, "TimerDemo")->isActive());
}

void TestInfoCommands::demonstrationValuesOnScreen() {
    auto window = makeWindow();
    child<QToolButton>(*window, "ToolButton5")->click();
    struct Box {
        const char *name;
        double low, high;
    };
    const Box boxes[] = {{"Edit8", 3.20, 3.69},    {"Edit9", 1000, 1049},    {"Edit10", 5.00, 5.49},
                         {"Edit11", 10.00, 10.49}, {"Edit12", 1.000, 1.049}, {"Edit13", 800, 849}};
    for (int tick = 0; tick < 20; ++tick) {
        window->demonstration().TimerDemoTimer();
        window->findChild<ReadingsRefresh *>()->TimerTabTimer();
        for (const Box &box : boxes) {
            const QString text = child<QLineEdit>(*window, box.name)->text().trimmed();
            bool ok = false;
            const double value = QLocale().toDouble(text, &ok);
            QVERIFY2(ok && value >= box.low && value <= box.high,
                     qPrintable(QStringLiteral("%1: \"%2\"").arg(box.name, text)));
        }
    }
}

void TestInfoCommands::help_data() {
    QTest::addColumn<QStringList>("readme"); // empty: no file
    QTest::addColumn<bool>("fromMenu");

    QTest::newRow("readme.txt, toolbar") << QStringList{"Справка", "", "Строка 3"} << false;
    QTest::newRow("readme.txt, F1 menu item") << QStringList{"Справка"} << true;
    QTest::newRow("no readme.txt") << QStringList{} << false;
}

void TestInfoCommands::help() {
    QFETCH(QStringList, readme);
    QFETCH(bool, fromMenu);

    if (!readme.isEmpty())
        QVERIFY(TextFile1251::writeLines(dir_->filePath("readme.txt"), readme));
    auto window = makeWindow();
    auto *memo = child<QPlainTextEdit>(*window, "Memo10");
    memo->setPlainText("отчет");
    QCOMPARE(child<QAction>(*window, "N15")->shortcut(), QKeySequence("F1"));
    if (fromMenu)
        child<QAction>(*window, "N15")->trigger();
    else
        child<QToolButton>(*window, "ToolButton11")->click();

    if (readme.isEmpty()) {
        QCOMPARE(prompts_->shown, QStringList{"Файл не найден : readme.txt"});
        QCOMPARE(window->state().Settings.CurrentView, 6);
        QCOMPARE(memo->toPlainText(), QStringLiteral("отчет"));
    } else {
        QVERIFY(prompts_->shown.isEmpty());
        QCOMPARE(window->state().Settings.CurrentView, 2);
        QVERIFY(child<QToolButton>(*window, "ToolButton3")->isChecked());
        QCOMPARE(memo->toPlainText(), readme.join('\n'));
        QCOMPARE(window->focusWidget(), memo);
    }
}

void TestInfoCommands::aboutBox_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("fromMenu");

    QTest::newRow("OK") << "OKButton" << false;
    QTest::newRow("Отмена, from the menu") << "CancelButton" << true;
}

void TestInfoCommands::aboutBox() {
    QFETCH(QString, button);
    QFETCH(bool, fromMenu);

    auto window = makeWindow();
    QStringList texts;
    withModal(
        [&] {
            if (fromMenu)
                child<QAction>(*window, "N16")->trigger();
            else
                child<QToolButton>(*window, "ToolButton12")->click();
        },
        [&](QWidget *box) {
            QVERIFY(qobject_cast<TAboutBox *>(box));
            texts << box->windowTitle();
            for (const char *name : {"ProductName", "Version"})
                texts << box->findChild<QLabel *>(name)->text();
            QVERIFY(
                box->findChild<QLabel *>("WorkingFolder")->text().endsWith(QDir::currentPath()));
            // The fixed-size box has room for every wrapped line of its texts.
            for (const QLabel *label : box->findChildren<QLabel *>())
                if (label->wordWrap())
                    QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                             qPrintable(label->objectName()));
            QVERIFY(box->findChild<QPushButton *>("OKButton")->isDefault());
            QCOMPARE(box->minimumSize(), box->maximumSize());
            QVERIFY(!box->findChild<QLabel *>("Picture")->pixmap().isNull());
            QVERIFY(!box->findChild<QLabel *>("ProgramIcon")->pixmap().isNull());
            box->findChild<QPushButton *>(button)->click();
        });
    QCOMPARE(texts, (QStringList{"About", "ВЕЛАНТАР-ГРАФИЧЕСКИЙ", "1.02.0004"}));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestInfoCommands::optionsPopupMenus_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("page");

    QTest::newRow("readings grid") << "StringGrid1"
                                   << "PopupMenu1"
                                   << "Интервал" << int(TPagesDlg::General);
    QTest::newRow("date and time grid") << "StringGrid2"
                                        << "PopupMenu1"
                                        << "Цвет" << int(TPagesDlg::Other);
    QTest::newRow("info picture") << "Image1"
                                  << "PopupMenu1"
                                  << "Порт" << int(TPagesDlg::Port);
    QTest::newRow("readings panel") << "Panel4"
                                    << "PopupMenu4"
                                    << "Цвет" << int(TPagesDlg::Readings);
    QTest::newRow("readings cell") << "Panel17"
                                   << "PopupMenu4"
                                   << "Порт" << int(TPagesDlg::Port);
    QTest::newRow("value box") << "Edit10"
                               << "PopupMenu4"
                               << "Интервал" << int(TPagesDlg::General);
    QTest::newRow("caption memo") << "Memo8"
                                  << "PopupMenu4"
                                  << "Цвет" << int(TPagesDlg::Readings);
}

void TestInfoCommands::optionsPopupMenus() {
    QFETCH(QString, control);
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(int, page);

    auto window = makeWindow();
    window->selectView(control.startsWith("StringGrid2") ? 1 : control == "Image1" ? 0 : 6);
    QWidget *target = window->findChild<QWidget *>(control);
    QCOMPARE(target->contextMenuPolicy(), Qt::CustomContextMenu);
    emit target->customContextMenuRequested(QPoint(2, 2));
    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), menu);
    QStringList items;
    QAction *chosen = nullptr;
    for (QAction *action : popup->actions()) {
        items << action->text();
        if (action->text() == item)
            chosen = action;
    }
    QCOMPARE(items, (QStringList{"Интервал", "Цвет", "Порт"}));
    popup->close();

    int shownPage = -1;
    withModal([&] { chosen->trigger(); },
              [&](QWidget *dialog) {
                  QCOMPARE(dialog, static_cast<QWidget *>(&window->options()));
                  shownPage = window->options().pages()->currentIndex();
                  window->options().reject();
              });
    QCOMPARE(shownPage, page);
}

QTEST_MAIN(TestInfoCommands)
#include "test_info_commands.moc"
