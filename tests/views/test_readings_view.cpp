#include "app_settings.h"
#include "clock.h"
#include "current_readings.h"
#include "readings_refresh.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

class FixedClock : public Clock {
public:
    QDateTime value;
    QDateTime now() const override { return value; }
};

// A stand-in for the main window's client area with the controls the refresh writes.
std::unique_ptr<QWidget> makeRoot() {
    auto root = std::make_unique<QWidget>();
    for (int i = 8; i <= 13; ++i) {
        auto *box = new QLineEdit(QStringLiteral("00,00"), root.get());
        box->setObjectName(QStringLiteral("Edit%1").arg(i));
    }
    const QStringList captions[] = {{"CO", " %"}, {" CH", "ppm"}, {"CO2", "  %"},
                                    {"O2", " %"}, {" λ"},         {" N", "min-1"}};
    for (int i = 0; i < 6; ++i) {
        auto *memo = new QPlainTextEdit(captions[i].join('\n'), root.get());
        memo->setObjectName(QStringLiteral("Memo%1").arg(3 + i));
    }
    auto grid = [&root](const char *name, int rows, const QStringList &titles) {
        auto *g = new QTableWidget(rows, 3, root.get());
        g->setObjectName(name);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < 3; ++c)
                g->setItem(r, c, new QTableWidgetItem(c == 0 ? titles[r] : QString()));
    };
    grid("StringGrid1", 6, {"CO,%", "CH,ppm", "CO2,%", "O2,%", "Lambda", "n,min-1"});
    grid("StringGrid2", 4, {" Date PRN", " Date SYS", " Time PRN", " Time SYS"});
    return root;
}

// The controls as the panel builders hand them over.
ReadingsView::Controls controlsIn(QWidget &root) {
    ReadingsView::Controls controls;
    for (int channel = 0; channel < kChannelCount; ++channel)
        controls.boxes[channel] = root.findChild<QLineEdit *>(QString("Edit%1").arg(8 + channel));
    controls.coCaption = root.findChild<QPlainTextEdit *>("Memo3");
    controls.rowFourCaption = root.findChild<QPlainTextEdit *>("Memo7");
    controls.readingsGrid = root.findChild<QTableWidget *>("StringGrid1");
    controls.clockGrid = root.findChild<QTableWidget *>("StringGrid2");
    return controls;
}

} // namespace

class TestReadingsView : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> root;
    QTimer timerTab;
    CurrentReadings readings{.ReadingsCurrent = true}; // live, as a feed delivers them
    AppSettings settings;
    bool running = true;
    FixedClock clock;
    std::unique_ptr<ReadingsRefresh> refresh;
    ChannelTexts graphPanel; // what the last tick sent to the graph panel

    QString box(int n) const {
        return root->findChild<QLineEdit *>(QString("Edit%1").arg(n))->text();
    }
    QString cell(const char *grid, int row, int column) const {
        return root->findChild<QTableWidget *>(grid)->item(row, column)->text();
    }
    QString memoLine(int n, int line) const {
        return root->findChild<QPlainTextEdit *>(QString("Memo%1").arg(n))
            ->toPlainText()
            .split('\n')
            .value(line);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void init() {
        root = makeRoot();
        readings = CurrentReadings{.ReadingsCurrent = true};
        readings.sample = {150, 320, 1420, 55, 1003, 820};
        readings.deviceDateText = "01.02.2024";
        readings.deviceTimeText = "10:11:12";
        settings = AppSettings();
        running = true;
        clock.value = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
        timerTab.stop();
        timerTab.setInterval(settings.ViewInterval[0]);
        refresh = std::make_unique<ReadingsRefresh>(timerTab, readings, settings, running,
                                                    controlsIn(*root), clock);
        graphPanel = {};
        connect(refresh.get(), &ReadingsRefresh::graphPanelTexts,
                [this](const ChannelTexts &texts) { graphPanel = texts; });
    }
    void cleanup() {
        refresh.reset();
        root.reset();
    }

    void tickFillsEveryView() {
        refresh->TimerTabTimer();
        const QStringList values = {"1,50", "320", "14,20", "0,55", "1,003", "820"};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(box(8 + c), values[c]);
            QCOMPARE(cell("StringGrid1", c, 1), "   " + values[c]);
            QCOMPARE(cell("StringGrid1", c, 2), QString());
            QCOMPARE(graphPanel[c], " " + values[c]);
        }
        QCOMPARE(memoLine(3, 0), "CO");
        QCOMPARE(memoLine(3, 1), " %");
    }

    void badLambdaEverywhere() {
        readings.sample.lambda = 2000;
        refresh->TimerTabTimer();
        QCOMPARE(box(12), "- - - -");
        QCOMPARE(cell("StringGrid1", 4, 1), "   - - - -");
        QCOMPARE(graphPanel[4], " - - - -");
        // The readings belong to their source, which never delivers such a lambda (the link
        // copies it as 0); the view only shows it as no value.
        QCOMPARE(readings.sample.lambda, qint16(2000));
    }

    void statusWordsAndTitlesWithModeIndication() {
        settings.OldAnalyser = 0;
        readings.channelStatus = {0x03, 0x02, 0x00, 0x00};
        readings.modeFlags = 0x10 | 0x20;
        readings.oilTemperature = 65527; // -9
        refresh->TimerTabTimer();
        QCOMPARE(box(8), "ЗАГР");
        QCOMPARE(cell("StringGrid1", 0, 1), " ЗАГР");
        QCOMPARE(box(9), " АРУ");
        QCOMPARE(cell("StringGrid1", 1, 1), "  АРУ");
        QCOMPARE(cell("StringGrid1", 0, 0), "COкорр");
        QCOMPARE(memoLine(3, 0), "CO");
        QCOMPARE(memoLine(3, 1), "корр");
        QCOMPARE(box(12), "-9");
        QCOMPARE(cell("StringGrid1", 4, 1), "   -9");
        QCOMPARE(cell("StringGrid1", 4, 0), " T мас");
        QCOMPARE(memoLine(7, 0), " T");
        QCOMPARE(graphPanel[4], " 1,003"); // the graph panel keeps lambda

        // Back to lambda and plain CO on the next tick.
        readings.modeFlags = 0;
        refresh->TimerTabTimer();
        QCOMPARE(cell("StringGrid1", 0, 0), "CO,%");
        QCOMPARE(memoLine(3, 1), " %");
        QCOMPARE(cell("StringGrid1", 4, 0), "Lambda");
        QCOMPARE(memoLine(7, 0), " λ");
        QCOMPARE(box(12), "1,003");
    }

    void modeIndicationOffKeepsTitlesAndResetRestoresThem() {
        settings.OldAnalyser = 0;
        readings.modeFlags = 0x30;
        refresh->TimerTabTimer();
        QCOMPARE(memoLine(7, 0), " T");

        settings.OldAnalyser = 1;
        refresh->TimerTabTimer();
        QCOMPARE(cell("StringGrid1", 0, 0), "CO,%"); // bit 0x10 counts only with indication
        QCOMPARE(memoLine(7, 0), " T");              // row 4's titles are not touched
        QCOMPARE(box(12), "1,003");

        refresh->resetModeTitles();
        QCOMPARE(cell("StringGrid1", 0, 0), "CO,%");
        QCOMPARE(memoLine(3, 0), "CO");
        QCOMPARE(memoLine(3, 1), " %");
        QCOMPARE(memoLine(7, 0), " λ");
        QCOMPARE(cell("StringGrid1", 4, 0), "Lambda");
    }

    void twoComponentLeavesRowsEmpty() {
        settings.OldAnalyser = 1;
        readings.analyserKind = AnalyserKind::TwoComponent;
        readings.channelStatus = {0x00, 0x00, 0x01, 0x02};
        refresh->TimerTabTimer();
        for (int c = 2; c <= 4; ++c) {
            QCOMPARE(box(8 + c), QString());
            QCOMPARE(cell("StringGrid1", c, 1), QString());
        }
        QCOMPARE(box(8), "1,50");
        QCOMPARE(box(13), "820");
    }

    void stopRunsOneLastTick() {
        // "Пуск/стоп" has stopped the indication and armed the timer at 1 ms.
        settings.ViewInterval[0] = 700;
        running = false;
        timerTab.setInterval(1);
        timerTab.start();
        readings.sample.co = 275;
        refresh->TimerTabTimer();
        QCOMPARE(box(8), "2,75");
        QVERIFY(!timerTab.isActive());
        QCOMPARE(timerTab.interval(), 700);

        // Resuming: the timer starts at the configured pace and keeps itself going.
        running = true;
        timerTab.start();
        refresh->TimerTabTimer();
        QVERIFY(timerTab.isActive());
        QCOMPARE(timerTab.interval(), 700);
    }

    void timeoutDrivesTheTick() {
        running = false;
        timerTab.setInterval(1);
        timerTab.start();
        QVERIFY(QMetaObject::invokeMethod(&timerTab, "timeout"));
        QCOMPARE(box(8), "1,50");
        QVERIFY(!timerTab.isActive());
    }

    void tableViewClock() {
        settings.CurrentView = 1;
        settings.NoBuiltInPrinter = 1;
        refresh->TimerTabTimer();
        QCOMPARE(cell("StringGrid2", 0, 1), QString());
        QCOMPARE(cell("StringGrid2", 2, 1), QString());
        QCOMPARE(cell("StringGrid2", 1, 1), "05.03.2024");
        QCOMPARE(cell("StringGrid2", 3, 1), "14:07:09");
        QCOMPARE(cell("StringGrid2", 1, 0), " Date SYS");

        clock.value = clock.value.addSecs(1);
        settings.NoBuiltInPrinter = 0;
        refresh->TimerTabTimer();
        QCOMPARE(cell("StringGrid2", 0, 1), "01.02.2024");
        QCOMPARE(cell("StringGrid2", 2, 1), "10:11:12");
        QCOMPARE(cell("StringGrid2", 3, 1), "14:07:10");
    }

    void otherViewsLeaveTheClockAlone() {
        settings.CurrentView = 6;
        settings.NoBuiltInPrinter = 0;
        refresh->TimerTabTimer();
        for (int r = 0; r < 4; ++r)
            QCOMPARE(cell("StringGrid2", r, 1), QString());
    }
};

QTEST_MAIN(TestReadingsView)
#include "test_readings_view.moc"
