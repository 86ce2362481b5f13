#include "readings_text.h"

#include <QtTest>

Q_DECLARE_METATYPE(ChannelTexts)

namespace {

const QString kNone = QStringLiteral("- - - -");

// A four-component analyser with plain values on every channel.
CurrentReadings fourComponent() {
    CurrentReadings r;
    r.sample = {150, 320, 1420, 55, 1003, 820};
    r.analyserKind = AnalyserKind::FourComponent;
    r.ReadingsCurrent = true;
    return r;
}

} // namespace

class TestReadingsText : public QObject {
    Q_OBJECT

    QLocale russian{QLocale::Russian, QLocale::Russia};

private slots:
    void initTestCase() { QLocale::setDefault(russian); }

    void plainValuesWithTheRussianSeparator() {
        CurrentReadings r = fourComponent();
        r.sample.rpm = 1500; // no group separator in integers
        r.sample.ch = 2000;
        const ReadingsTexts t = readingsTexts(r, true, russian);
        const ChannelTexts boxes = {"1,50", "2000", "14,20", "0,55", "1,003", "1500"};
        QCOMPARE(t.boxes, boxes);
        for (int c = 0; c < kChannelCount; ++c) {
            QCOMPARE(t.gridValues[c], "   " + boxes[c]);
            QCOMPARE(t.graphPanel[c], " " + boxes[c]);
        }
        QCOMPARE(t.coGridTitle, "CO,%");
        QCOMPARE(t.coMemoLine, " %");
        QCOMPARE(t.rowFourGridTitle, std::optional<QString>("Lambda"));
        QCOMPARE(t.rowFourMemoLine, std::optional<QString>(" λ"));
    }

    void lambdaRange_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("storedAfter");
        QTest::newRow("0") << 0 << kNone << 0;
        QTest::newRow("negative") << -3 << kNone << 0;
        QTest::newRow("2000") << 2000 << kNone << 0;
        QTest::newRow("above 2000") << 30000 << kNone << 0;
        QTest::newRow("1999") << 1999 << "1,999" << 1999;
        QTest::newRow("1") << 1 << "0,001" << 1;
    }
    void lambdaRange() {
        QFETCH(int, stored);
        QFETCH(QString, text);
        QFETCH(int, storedAfter);
        for (bool indication : {false, true}) {
            CurrentReadings r = fourComponent();
            r.sample.lambda = qint16(stored);
            const ReadingsTexts t = readingsTexts(r, indication, russian);
            QCOMPARE(t.boxes[4], text);
            QCOMPARE(t.gridValues[4], "   " + text);
            QCOMPARE(t.graphPanel[4], " " + text);
            QCOMPARE(r.sample.lambda, qint16(storedAfter));
        }
    }

    void graphPanelChecksLambdaItself() {
        ReadingSample s{-5, -12, 1420, 7, 2500, 820};
        const ChannelTexts expected = {" -0,05", " -12", " 14,20", " 0,07", " " + kNone, " 820"};
        QCOMPARE(graphPanelTexts(s, russian), expected);
    }

    void statusWords_data() {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("grid");
        QTest::newRow("CO 0x03") << 0 << 0x03 << "ЗАГР"
                                 << " ЗАГР";
        QTest::newRow("CO 0x01") << 0 << 0x01 << "ЗАГР"
                                 << " ЗАГР";
        QTest::newRow("CO 0x02") << 0 << 0x02 << " АРУ"
                                 << "  АРУ";
        QTest::newRow("CH 0x02") << 1 << 0x02 << " АРУ"
                                 << "  АРУ";
        QTest::newRow("CO2 0x01") << 2 << 0x01 << "ЗАГР"
                                  << " ЗАГР";
        QTest::newRow("O2 0x03") << 3 << 0x03 << "ЗАГР"
                                 << " ЗАГР";
        QTest::newRow("O2 other bits") << 3 << 0xFC << "0,55"
                                       << "   0,55";
    }
    void statusWords() {
        QFETCH(int, channel);
        QFETCH(int, status);
        QFETCH(QString, box);
        QFETCH(QString, grid);
        CurrentReadings r = fourComponent();
        r.channelStatus[channel] = quint8(status);
        const ReadingsTexts t = readingsTexts(r, true, russian);
        const ReadingsTexts plain = readingsTexts(r, false, russian);
        for (int c = 0; c < kChannelCount; ++c) {
            // Only the channel's own status byte counts, and only with mode indication on.
            QCOMPARE(t.boxes[c], c == channel ? box : plain.boxes[c]);
            QCOMPARE(t.gridValues[c], c == channel ? grid : plain.gridValues[c]);
        }
        QCOMPARE(t.graphPanel, plain.graphPanel); // the graph panel ignores the status
    }

    void statusIgnoredWithoutModeIndication() {
        CurrentReadings r = fourComponent();
        r.channelStatus = {0x01, 0x02, 0x01, 0x02};
        r.modeFlags = 0x30;
        r.oilTemperature = 90;
        const ReadingsTexts t = readingsTexts(r, false, russian);
        const ChannelTexts boxes = {"1,50", "320", "14,20", "0,55", "1,003", "820"};
        QCOMPARE(t.boxes, boxes);
        QCOMPARE(t.coGridTitle, "CO,%"); // bit 0x10 without mode indication
        QCOMPARE(t.coMemoLine, " %");
        QVERIFY(!t.rowFourGridTitle); // row 4's titles are left as they are
        QVERIFY(!t.rowFourMemoLine);
    }

    void correctedCoTitle() {
        CurrentReadings r = fourComponent();
        r.modeFlags = 0x10;
        const ReadingsTexts t = readingsTexts(r, true, russian);
        QCOMPARE(t.coGridTitle, "COкорр");
        QCOMPARE(t.coMemoLine, "корр");
        QCOMPARE(t.boxes[0], "1,50");
    }

    void oilTemperature_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("-10 as unsigned word") << 65526 << kNone;
        QTest::newRow("-9 as unsigned word") << 65527 << "-9";
        QTest::newRow("127") << 127 << kNone;
        QTest::newRow("126") << 126 << "126";
        QTest::newRow("-1 as unsigned word") << 65535 << "-1";
    }
    void oilTemperature() {
        QFETCH(int, stored);
        QFETCH(QString, text);
        CurrentReadings r = fourComponent();
        r.modeFlags = 0x20;
        r.oilTemperature = stored;
        const ReadingsTexts t = readingsTexts(r, true, russian);
        QCOMPARE(t.boxes[4], text);
        QCOMPARE(t.gridValues[4], "   " + text);
        QCOMPARE(t.rowFourGridTitle, std::optional<QString>(" T мас"));
        QCOMPARE(t.rowFourMemoLine, std::optional<QString>(" T"));
        QCOMPARE(t.graphPanel[4], " 1,003"); // the graph panel shows lambda, never oil
    }

    void oilModeStillDropsABadLambda() {
        CurrentReadings r = fourComponent();
        r.modeFlags = 0x20;
        r.sample.lambda = 2400;
        readingsTexts(r, true, russian);
        QCOMPARE(r.sample.lambda, qint16(0));
    }

    void withoutCo2AndO2_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("indication");
        QTest::newRow("two-component") << int(AnalyserKind::TwoComponent) << false;
        QTest::newRow("two-component, flag on") << int(AnalyserKind::TwoComponent) << true;
        QTest::newRow("unrecognised") << int(AnalyserKind::Unknown) << false;
    }
    void withoutCo2AndO2() {
        QFETCH(int, kind);
        QFETCH(bool, indication);
        CurrentReadings r = fourComponent();
        r.analyserKind = AnalyserKind(kind);
        r.channelStatus = {0x01, 0x02, 0x01, 0x02};
        r.modeFlags = 0x30;
        const ReadingsTexts t = readingsTexts(r, indication, russian);
        const ChannelTexts boxes = {"1,50", "320", "", "", "", "820"};
        const ChannelTexts grid = {"   1,50", "   320", "", "", "", "   820"};
        QCOMPARE(t.boxes, boxes);
        QCOMPARE(t.gridValues, grid);
        QCOMPARE(t.coGridTitle, "CO,%");
    }

    // An analyser of unknown type with the mode indication on has no CO2, O2 or lambda to
    // show either; its status words and oil temperature are shown as on any other.
    void unknownTypeWithModeIndication_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("modeFlags");
        QTest::addColumn<ChannelTexts>("boxes");
        QTest::addColumn<ChannelTexts>("grid");
        QTest::newRow("values") << 0 << 0 << ChannelTexts{"1,50", "320", "", "", "", "820"}
                                << ChannelTexts{"   1,50", "   320", "", "", "", "   820"};
        QTest::newRow("status words")
            << 0x01 << 0 << ChannelTexts{"ЗАГР", "ЗАГР", "ЗАГР", "ЗАГР", "", "820"}
            << ChannelTexts{" ЗАГР", " ЗАГР", " ЗАГР", " ЗАГР", "", "   820"};
        QTest::newRow("oil temperature")
            << 0 << 0x20 << ChannelTexts{"1,50", "320", "", "", "85", "820"}
            << ChannelTexts{"   1,50", "   320", "", "", "   85", "   820"};
    }
    void unknownTypeWithModeIndication() {
        QFETCH(int, status);
        QFETCH(int, modeFlags);
        QFETCH(ChannelTexts, boxes);
        QFETCH(ChannelTexts, grid);
        CurrentReadings r = fourComponent();
        r.analyserKind = AnalyserKind::Unknown;
        r.sample.co2 = 0; // what the link copies for an analyser that is not four-component
        r.sample.o2 = 1;
        r.sample.lambda = 0;
        r.channelStatus.fill(quint8(status));
        r.modeFlags = quint8(modeFlags);
        r.oilTemperature = 85;
        const ReadingsTexts t = readingsTexts(r, true, russian);
        QCOMPARE(t.boxes, boxes);
        QCOMPARE(t.gridValues, grid);
    }

    // Readings the lost link left behind show no value, status word or temperature; a
    // channel the analyser lacks stays blank.
    void notCurrentReadingsShowNoValue_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("modeFlags");
        QTest::addColumn<int>("status");
        QTest::addColumn<ChannelTexts>("boxes");
        const ChannelTexts all = {kNone, kNone, kNone, kNone, kNone, kNone};
        QTest::newRow("four-component") << int(AnalyserKind::FourComponent) << 0 << 0 << all;
        QTest::newRow("status words, oil temperature")
            << int(AnalyserKind::FourComponent) << 0x20 << 0x01 << all;
        QTest::newRow("two-component") << int(AnalyserKind::TwoComponent) << 0 << 0
                                       << ChannelTexts{kNone, kNone, "", "", "", kNone};
    }
    void notCurrentReadingsShowNoValue() {
        QFETCH(int, kind);
        QFETCH(int, modeFlags);
        QFETCH(int, status);
        QFETCH(ChannelTexts, boxes);
        CurrentReadings r = fourComponent();
        r.analyserKind = AnalyserKind(kind);
        r.modeFlags = quint8(modeFlags);
        r.channelStatus.fill(quint8(status));
        r.ReadingsCurrent = false;
        const ReadingsTexts t = readingsTexts(r, true, russian);
        QCOMPARE(t.boxes, boxes);
        for (int c = 0; c < kChannelCount; ++c) {
            QCOMPARE(t.gridValues[c], boxes[c].isEmpty() ? QString() : "   " + kNone);
            QCOMPARE(t.graphPanel[c], " " + kNone);
        }
        QCOMPARE(graphPanelTexts(r.sample, russian, false), t.graphPanel);
    }
};

QTEST_GUILESS_MAIN(TestReadingsText)
#include "test_readings_text.moc"
