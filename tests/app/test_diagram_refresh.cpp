#include "bar_diagram.h"
#include "bgr_color.h"
#include "channel_info.h"
#include "diagram_refresh.h"
#include "norms_panel.h"
#include "run_state.h"
#include "scripted_prompts.h"
#include "tpagesdlg.h"
#include "view_panels.h"

#include "qcustomplot.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QtTest>

namespace {

const QColor Window(0xF0, 0xF0, 0xF0);
const QColor Red(255, 0, 0);

enum Chart { Co = 0, Lambda = 4, Rpm = 5 };

// The diagram view's controls and controllers, as the main window builds them.
struct DiagramView {
    QWidget root;
    ViewPanels panels = ViewPanels::create(&root);
    RunState state;
    // The readings and the indication state, owned here in place of the readings source and
    // the indication switch.
    CurrentReadings readings{.ReadingsCurrent = true}; // live, as a feed delivers them
    IndicationState indication;
    QTimer timerDia;
    ScriptedPrompts prompts;
    std::unique_ptr<NormsPanel> norms;
    std::unique_ptr<DiagramRefresh> diagrams;

    explicit DiagramView(const AppSettings &settings) {
        state.Store.replace(settings);
        state.bindReadings(readings);
        state.bindIndication(indication);
        norms = std::make_unique<NormsPanel>(panels.normsControls, panels.normsGrid, state.Store,
                                             state.Flags, prompts, &root);
        diagrams = std::make_unique<DiagramRefresh>(timerDia, state, *norms, panels.diagramCharts,
                                                    panels.diagramPanel);
        diagrams->applyColours(Window);
        norms->startUp();
    }

    BarDiagram &diagram(int channel) const { return diagrams->diagram(channel); }
    QString footer(int channel) const { return diagram(channel).footer()->text(); }
    double bar(int channel) const { return diagram(channel).bar()->data()->at(0)->value; }
    QColor barColour(int channel) const { return diagram(channel).bar()->brush().color(); }
    QColor background(int channel) const { return diagram(channel).chartBackground(); }
    // The right axis labels that are not blank.
    QStringList labels(int channel) const {
        QStringList out;
        const auto ticker = qSharedPointerDynamicCast<QCPAxisTickerText>(
            diagram(channel).chart()->yAxis2->ticker());
        for (const QString &label : ticker->ticks())
            if (!label.trimmed().isEmpty())
                out << label;
        return out;
    }
};

ReadingSample reading(int co, int lambda, int rpm) {
    ReadingSample s;
    s.co = qint16(co);
    s.lambda = qint16(lambda);
    s.rpm = qint16(rpm);
    return s;
}

} // namespace

Q_DECLARE_METATYPE(ReadingSample)

// The TimerDia tick drawing the six diagrams on their QCustomPlot charts.
class TestDiagramRefresh : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void tickDrawsReadingsAgainstTheLimits_data() {
        QTest::addColumn<ReadingSample>("sample");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("speedMode");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("coText");
        QTest::addColumn<double>("coBar");
        QTest::addColumn<bool>("coBarRed");
        QTest::addColumn<QStringList>("coLabels");
        QTest::addColumn<QString>("lambdaText");
        QTest::addColumn<bool>("lambdaBarRed");
        QTest::addColumn<bool>("rpmFrameRed");

        QTest::newRow("CO 12,34 over 3,50, bar style")
            << reading(1234, 1000, 800) << 0 << 0 << 3 << "12,34" << 9.99 << true
            << QStringList{"3,50"} << "1,000" << false << false;
        QTest::newRow("no CO limit at elevated speed before 1986")
            << reading(900, 1000, 2600) << 3 << 1 << 3 << "9,00" << 9.0 << false << QStringList{}
            << "1,000" << false << false;
        QTest::newRow("lambda 0,950 at elevated speed")
            << reading(10, 950, 2600) << 2 << 1 << 3 << "0,10" << 0.1 << false
            << QStringList{"0,30"} << "0,950" << true << false;
        QTest::newRow("engine speed 1200 over 1100, frame style")
            << reading(0, 1000, 1200) << 0 << 0 << 6 << "0,00" << 0.0 << false
            << QStringList{"3,50"} << "1,000" << false << true;
        QTest::newRow("automatic switch in the tick")
            << reading(300, 1000, 2600) << 0 << 2 << 3 << "3,00" << 3.0 << true
            << QStringList{"2,00"} << "1,000" << false << false;
    }
    void tickDrawsReadingsAgainstTheLimits() {
        QFETCH(ReadingSample, sample);
        QFETCH(int, variant);
        QFETCH(int, speedMode);
        QFETCH(int, style);
        AppSettings settings;
        settings.CatalystKind = variant;
        settings.SpeedMode = speedMode;
        settings.AlarmStyle = style;
        DiagramView view(settings);
        view.readings.sample = sample;
        view.diagrams->TimerDiaTimer();

        QTEST(view.footer(Co), "coText");
        QFETCH(double, coBar);
        QCOMPARE(qRound(view.bar(Co) * 100), qRound(coBar * 100));
        QFETCH(bool, coBarRed);
        QCOMPARE(view.barColour(Co), coBarRed ? Red : colorFromBgr(settings.ChannelColor[Co]));
        QTEST(view.labels(Co), "coLabels");
        QTEST(view.footer(Lambda), "lambdaText");
        QFETCH(bool, lambdaBarRed);
        QCOMPARE(view.barColour(Lambda) == Red, lambdaBarRed);
        QFETCH(bool, rpmFrameRed);
        QCOMPARE(view.background(Rpm), rpmFrameRed ? Red : Window);
        QCOMPARE(view.diagram(Rpm).chart()->yAxis2->tickLabelColor(),
                 rpmFrameRed ? QColor(Qt::white) : Red);
        if (!view.labels(Co).isEmpty())
            QCOMPARE(view.diagram(Co).markSeries("Series9")->pen().color(),
                     colorFromBgr(settings.NormColor));
        QCOMPARE(view.diagram(Co).bar()->objectName(), QStringLiteral("Series10"));

        // A reading back within its limits: the next tick shows the normal colours again.
        view.readings.sample = reading(10, 1000, 800);
        view.panels.normsControls.speedModes->setCurrentRow(0);
        view.diagrams->TimerDiaTimer();
        for (int channel = 0; channel < 6; ++channel) {
            QCOMPARE(view.barColour(channel), colorFromBgr(settings.ChannelColor[channel]));
            QCOMPARE(view.background(channel), Window);
            QCOMPARE(view.diagram(channel).footer()->textColor(),
                     colorFromBgr(settings.ChannelColor[channel]));
            QCOMPARE(view.diagram(channel).footerBackground(), Window);
        }
        QVERIFY(view.timerDia.isActive());
    }

    void stoppedIndicationShowsTheFrozenReadingsOnce_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("coText");
        QTest::addColumn<bool>("rearmed");
        QTest::newRow("running") << true << "9,00" << true;
        QTest::newRow("stopped") << false << "2,00" << false;
    }
    void stoppedIndicationShowsTheFrozenReadingsOnce() {
        QFETCH(bool, running);
        AppSettings settings;
        settings.ViewInterval[1] = 2300;
        DiagramView view(settings);
        view.readings.sample = reading(900, 1000, 800);
        view.indication.frozen = reading(200, 1000, 800);
        view.indication.running = running;
        view.timerDia.setInterval(1); // as "Пуск/стоп" arms the last tick
        view.timerDia.start();
        view.diagrams->TimerDiaTimer();
        QTEST(view.footer(Co), "coText");
        QTEST(view.timerDia.isActive(), "rearmed");
        QCOMPARE(view.timerDia.interval(), running ? 1 : 2300);
    }

    // A fault in the drawing is not swallowed by the tick: it reaches whoever runs it.
    void failureInTheDrawingIsNotHidden() {
        struct FailingRefresh : DiagramRefresh {
            using DiagramRefresh::DiagramRefresh;
            void drawTick() override { throw std::runtime_error("drawing failed"); }
        };
        DiagramView view{AppSettings()};
        FailingRefresh failing(view.timerDia, view.state, *view.norms, view.panels.diagramCharts,
                               view.panels.diagramPanel);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, failing.TimerDiaTimer());
    }

    void popupMenuOpensTheOptionsPages() {
        DiagramView view{AppSettings()};
        QList<int> pages;
        view.diagrams->openOptionsAt = [&](int page) { pages << page; };
        QStringList texts;
        for (QAction *item : view.diagrams->popupMenu()->actions()) {
            texts << item->text();
            item->trigger();
        }
        QCOMPARE(texts, (QStringList{"Цвета диаграмм", "Интервал", "Порт"}));
        QCOMPARE(pages, (QList<int>{TPagesDlg::Colour, TPagesDlg::General, TPagesDlg::Port}));
    }

    // A right click anywhere over the diagrams opens the menu: on the margins between the
    // charts and over every chart, which keeps its mouse events from its parents.
    void popupMenuOpensOverTheWholeView_data() {
        QTest::addColumn<int>("chart"); // -1: the panel's margin
        QTest::newRow("margin") << -1;
        for (Channel channel : kAllChannels)
            QTest::newRow(qPrintable(channelInfo(channel).checkCaption.toString()))
                << index(channel);
    }
    void popupMenuOpensOverTheWholeView() {
        QFETCH(int, chart);
        DiagramView view{AppSettings()};
        view.root.resize(800, 600);
        view.panels.diagramPanel->resize(800, 600);
        view.root.show();
        QWidget *target = chart < 0 ? static_cast<QWidget *>(view.panels.diagramPanel)
                                    : view.panels.diagramCharts[chart];
        target->show();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &click);
        QVERIFY(view.diagrams->popupMenu()->isVisible());
        view.diagrams->popupMenu()->hide();
    }
};

QTEST_MAIN(TestDiagramRefresh)
#include "test_diagram_refresh.moc"
