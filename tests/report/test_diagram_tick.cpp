#include "diagram_tick.h"
#include "norm_table.h"

#include <QtTest>

Q_DECLARE_METATYPE(ReadingSample)
Q_DECLARE_METATYPE(NormSet)

namespace {

constexpr qint32 Window = 0xF0F0F0;
constexpr std::array<qint32, 6> Channels = {0x800080, 0x00FFFF, 0xFF0000,
                                            0xFFFF00, 0x00FF00, 0x008080};

// Which parts of a look are red, as a short word: b bar, t text, k text background, f frame.
QString redParts(const DiagramTick::ChannelLook &look) {
    QString parts;
    if (look.barColor == DiagramTick::Red)
        parts += u'b';
    if (look.valueTextColor == DiagramTick::Red)
        parts += u't';
    if (look.valueBackColor == DiagramTick::Red)
        parts += u'k';
    if (look.chartBackColor == DiagramTick::Red)
        parts += u'f';
    return parts;
}

QString labelColour(qint32 color) {
    return color == DiagramTick::Red     ? QStringLiteral("red")
           : color == DiagramTick::White ? QStringLiteral("white")
           : color == Window             ? QStringLiteral("window")
                                         : QStringLiteral("other");
}

ReadingSample sample(int co, int ch, int lambda, int rpm) {
    ReadingSample s;
    s.co = qint16(co);
    s.ch = qint16(ch);
    s.co2 = 1454;
    s.o2 = 39;
    s.lambda = qint16(lambda);
    s.rpm = qint16(rpm);
    return s;
}

} // namespace

// What one refresh of the diagrams shows for a reading and the limits in force.
class TestDiagramTick : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void looksOfAReading_data() {
        QTest::addColumn<ReadingSample>("reading");
        QTest::addColumn<NormSet>("limits");
        QTest::addColumn<bool>("elevated");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("bar");
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("labels");

        const NormSet none = NormTable::builtIn(0, 0);     // CO 3,50 / 2,00, no lambda window
        const NormSet threeWay = NormTable::builtIn(0, 2); // lambda 0,970..1,030
        NormSet noCo = none;
        noCo.CoIdle = 0;

        QTest::newRow("CO above the scale, bar style")
            << sample(1234, 0, 1000, 800) << none << false << 3 << 0 << "12,34" << 9.99 << "b"
            << "red";
        QTest::newRow("CO within its limit")
            << sample(349, 0, 1000, 800) << none << false << 4 << 0 << "3,49" << 3.49 << ""
            << "red";
        QTest::newRow("CO without a limit: no label, no signal")
            << sample(999, 0, 1000, 800) << noCo << false << 3 << 0 << "9,99" << 9.99 << ""
            << "window";
        QTest::newRow("CO at elevated speed")
            << sample(250, 0, 1000, 2600) << none << true << 1 << 0 << "2,50" << 2.5 << "t"
            << "red";
        QTest::newRow("CH over its limit, bar and text style")
            << sample(0, 1300, 1000, 800) << none << false << 4 << 1 << "1300" << 1300.0 << "bt"
            << "red";
        QTest::newRow("CH above 5000 is held at the top")
            << sample(0, 7000, 1000, 800) << none << false << 2 << 1 << "7000" << 5000.0 << "k"
            << "red";
        QTest::newRow("negative CO: empty bar, true text")
            << sample(-5, 0, 1000, 800) << none << false << 3 << 0 << "-0,05" << 0.0 << ""
            << "red";
        QTest::newRow("lambda out of window at minimal speed")
            << sample(0, 0, 950, 800) << threeWay << false << 3 << 4 << "0,950" << 0.95 << ""
            << "red";
        QTest::newRow("lambda out of window at elevated speed")
            << sample(0, 0, 950, 2600) << threeWay << true << 3 << 4 << "0,950" << 0.95 << "b"
            << "red";
        QTest::newRow("lambda 0 is no reading")
            << sample(0, 0, 0, 2600) << threeWay << true << 3 << 4 << "- - - -" << 0.0 << ""
            << "red";
        QTest::newRow("lambda 2000 is no reading")
            << sample(0, 0, 2000, 2600) << threeWay << true << 3 << 4 << "- - - -" << 0.0 << ""
            << "red";
        QTest::newRow("lambda -3 is no reading")
            << sample(0, 0, -3, 2600) << threeWay << true << 4 << 4 << "- - - -" << 0.0 << ""
            << "red";
        QTest::newRow("engine speed over the idle limit, frame style")
            << sample(0, 0, 1000, 1200) << none << false << 6 << 5 << "1200" << 1200.0 << "f"
            << "white";
        QTest::newRow("engine speed below the elevated band")
            << sample(0, 0, 1000, 2400) << none << true << 5 << 5 << "2400" << 2400.0 << "bk"
            << "red";
        QTest::newRow("style 0 signals nothing")
            << sample(1234, 0, 1000, 4000) << none << false << 0 << 0 << "12,34" << 9.99 << ""
            << "red";
        QTest::newRow("a damaged style signals nothing")
            << sample(1234, 0, 1000, 4000) << none << false << 9 << 0 << "12,34" << 9.99 << ""
            << "red";
        QTest::newRow("CO2 is never signalled")
            << sample(1234, 0, 1000, 4000) << none << false << 6 << 2 << "14,54" << 14.54 << ""
            << "window";
    }
    void looksOfAReading() {
        QFETCH(ReadingSample, reading);
        QFETCH(NormSet, limits);
        QFETCH(bool, elevated);
        QFETCH(int, style);
        QFETCH(int, channel);

        DiagramTick::Input input;
        input.limits = limits;
        input.elevatedActive = elevated;
        input.coLimitInForce = elevated ? limits.CoElevated : limits.CoIdle;
        input.chLimitInForce = elevated ? limits.ChElevated : limits.ChIdle;
        input.alarmStyle = style;
        input.channelColors = Channels;
        input.windowColor = Window;
        const DiagramTick::ChannelLook look = DiagramTick::Compose(reading, input)[channel];

        QTEST(look.valueText, "text");
        QFETCH(double, bar);
        QCOMPARE(qRound(look.barValue * 100), qRound(bar * 100));
        QTEST(redParts(look), "red");
        QTEST(labelColour(look.rightLabelColor), "labels");
        QCOMPARE(look.signalled, !redParts(look).isEmpty());
        // What is not red keeps its normal colour.
        if (!redParts(look).contains(u'b'))
            QCOMPARE(look.barColor, Channels[channel]);
        if (!redParts(look).contains(u'f'))
            QCOMPARE(look.chartBackColor, Window);
    }

    // While the link is lost no diagram shows a value or a bar, and nothing is signalled,
    // however far the last reading lay beyond its limit.
    void notCurrentReadingsShowNothing() {
        DiagramTick::Input input;
        input.limits.CoIdle = 50;
        input.coLimitInForce = 50;
        input.alarmStyle = DiagramTick::AlarmBarTextBack;
        input.channelColors = Channels;
        input.windowColor = Window;
        input.readingsCurrent = false;
        for (const DiagramTick::ChannelLook &look :
             DiagramTick::Compose(sample(900, 4000, 1000, 3000), input)) {
            QCOMPARE(look.valueText, QStringLiteral("- - - -"));
            QCOMPARE(look.barValue, 0.0);
            QVERIFY(!look.signalled);
            QCOMPARE(redParts(look), QString());
        }
    }
};

QTEST_GUILESS_MAIN(TestDiagramTick)
#include "test_diagram_tick.moc"
