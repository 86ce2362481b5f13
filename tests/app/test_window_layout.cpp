#include "view_ids.h"
#include "window_layout.h"

#include <QtTest>

using namespace WindowLayout;

namespace {

Layout layoutAt(int cw, int ch, int view) {
    Input input;
    input.clientWidth = cw;
    input.clientHeight = ch;
    input.currentView = view;
    return compute(input);
}

// A placement as one comparable line: "parent: x,y wxh f<font> [r<row> c<column>]".
QString row(const Layout &layout, const QString &name) {
    const ControlPlacement *p = layout.find(name);
    if (!p)
        return QStringLiteral("<not placed>");
    const QRect &g = p->geometry;
    QString text = QStringLiteral("%1: %2,%3 %4x%5 f%6")
                       .arg(p->parent)
                       .arg(g.x())
                       .arg(g.y())
                       .arg(g.width())
                       .arg(g.height())
                       .arg(p->fontPointSize);
    if (p->rowHeight || p->columnWidth)
        text += QStringLiteral(" r%1 c%2").arg(p->rowHeight).arg(p->columnWidth);
    return text;
}

QRect geometry(const Layout &layout, const QString &name) {
    const ControlPlacement *p = layout.find(name);
    return p ? p->geometry : QRect(-1000, -1000, 0, 0);
}

const QStringList kStatusLine{"Edit14", "Edit16", "Edit15", "ProgressBar1"};
const QList<int> kViews{ViewId::Information, ViewId::Table, ViewId::Report,
                        ViewId::Diagram,     ViewId::Graph, ViewId::Readings};

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    // 757 x 569 client with the 30-pixel toolbar: work height 539.
    void workedExampleFrameAndStatusLine() {
        for (int view : kViews) {
            const Layout l = layoutAt(757, 569, view);
            QCOMPARE(row(l, "Edit14"), QString(": 0,513 251x26 f10"));
            QCOMPARE(row(l, "Edit16"), QString(": 252,513 251x26 f10"));
            QCOMPARE(row(l, "Edit15"), QString(": 504,513 251x26 f10"));
            QCOMPARE(row(l, "ProgressBar1"), QString(": 504,513 251x26 f0"));
        }
        QCOMPARE(geometry(layoutAt(757, 569, ViewId::Report), "Memo10"), QRect(0, 0, 620, 512));
        QCOMPARE(geometry(layoutAt(757, 569, ViewId::Graph), "Chart3"), QRect(0, 0, 620, 512));
        QCOMPARE(geometry(layoutAt(757, 569, ViewId::Diagram), "Panel7"), QRect(0, 0, 620, 512));
        QCOMPARE(row(layoutAt(757, 569, ViewId::Graph), "Panel15"), QString(": 621,0 135x512 f0"));
        QCOMPARE(row(layoutAt(757, 569, ViewId::Diagram), "Panel8"), QString(": 620,0 137x512 f0"));
    }

    void statusFieldHeightFillsTheStripOrIsGiven() {
        QCOMPARE(statusFieldHeight(569, 30), 26);
        Input input{757, 569, 30, ViewId::Readings, 21, {}};
        const Layout l = compute(input);
        QCOMPARE(geometry(l, "Edit14").height(), 21);
        QCOMPARE(geometry(l, "ProgressBar1").height(), 21);
        QCOMPARE(geometry(l, "Panel4").height(), 539 - 21 + 2);
    }

    void readingsCellsTwoColumnsThreeRows() {
        const Layout l = layoutAt(757, 569, ViewId::Readings);
        QCOMPARE(row(l, "Panel4"), QString(": 0,0 757x515 f0"));
        const QStringList cells{"Panel5", "Panel6", "Panel17", "Panel18", "Panel19", "Panel20"};
        const QList<QPoint> corners{{1, 1}, {1, 172}, {1, 343}, {379, 1}, {379, 172}, {379, 343}};
        const QList<int> memoFonts{26, 22, 22, 26, 44, 22}; // 24, 20, 20, 24, 40, 20 % of 110
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(geometry(l, cells[i]), QRect(corners[i], QSize(377, 170)));
            QCOMPARE(l.find(cells[i])->parent, QString("Panel4"));
            QCOMPARE(row(l, QString("Edit%1").arg(8 + i)), cells[i] + ": 7,30 263x110 f69");
            QCOMPARE(row(l, QString("Memo%1").arg(3 + i)),
                     cells[i] + QString(": 273,30 94x110 f%1").arg(memoFonts[i]));
        }
        // Neighbouring cells keep exactly one pixel between them; all inside the panel.
        QCOMPARE(geometry(l, "Panel6").top() - geometry(l, "Panel5").bottom(), 2);
        QCOMPARE(geometry(l, "Panel18").left() - geometry(l, "Panel5").right(), 2);
        QVERIFY(QRect(0, 0, 757, 515).contains(geometry(l, "Panel20")));
    }

    void informationView() {
        const Layout l = layoutAt(757, 569, ViewId::Information);
        QCOMPARE(row(l, "StringGrid1"), QString(": 0,17 472x464 f45 r76 c234"));
        QCOMPARE(row(l, "Panel3"), QString(": 473,17 266x464 f0"));
        QCOMPARE(row(l, "UpDown1"), QString("Panel3: 111,0 45x28 f0"));
        QCOMPARE(row(l, "Image1"), QString("Panel3: 0,28 266x199 f0"));
        QCOMPARE(row(l, "Memo2"), QString("Panel3: 0,227 266x237 f9"));
    }

    void informationPictureKeepsItsAspect_data() {
        QTest::addColumn<QSize>("client");
        QTest::newRow("minimum") << QSize(612, 346);
        QTest::newRow("worked example") << QSize(757, 569);
        QTest::newRow("tall") << QSize(1000, 1000);
        QTest::newRow("portrait, grid wider than the window") << QSize(700, 1000);
        QTest::newRow("full hd") << QSize(1920, 1010);
        QTest::newRow("wide and low") << QSize(1900, 420);
    }
    void informationPictureKeepsItsAspect() {
        QFETCH(QSize, client);
        const Layout l = layoutAt(client.width(), client.height(), ViewId::Information);
        const QRect panel = geometry(l, "Panel3");
        const QRect image = geometry(l, "Image1");
        QCOMPARE(image.width(), panel.width());
        QCOMPARE(image.height(), image.width() * 375 / 500);
        QCOMPARE(image.top(), geometry(l, "UpDown1").bottom() + 1);
        QCOMPARE(geometry(l, "Memo2").top(), image.bottom() + 1);
    }

    void tableViewHeaderPanel() {
        const Layout l = layoutAt(757, 569, ViewId::Table);
        QCOMPARE(row(l, "Panel2"), QString(": 472,17 285x464 f0"));
        QCOMPARE(row(l, "Label1"), QString("Panel2: 22,9 241x23 f16"));
        QCOMPARE(row(l, "BitBtn11"), QString("Panel2: 2,37 85x27 f11"));
        QCOMPARE(row(l, "BitBtn12"), QString("Panel2: 91,37 102x27 f11"));
        QCOMPARE(row(l, "BitBtn13"), QString("Panel2: 196,37 88x27 f11"));
        QCOMPARE(row(l, "Memo1"), QString("Panel2: 0,69 285x176 f13"));
        QCOMPARE(row(l, "BitBtn14"), QString("Panel2: 2,259 85x27 f11"));
        QCOMPARE(row(l, "BitBtn16"), QString("Panel2: 196,259 88x27 f11"));
        QCOMPARE(row(l, "StringGrid2"), QString("Panel2: 0,301 282x170 f15 r41 c139"));
    }

    void sidePanelRows() {
        const Layout l = layoutAt(757, 569, ViewId::Graph);
        QCOMPARE(row(l, "Chart3"), QString(": 0,0 620x512 f10"));
        const QList<int> channelTops{15, 51, 87, 122, 158, 194};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(row(l, QString("CheckBox%1").arg(i + 1)),
                     QString("Panel15: 1,%1 66x25 f10").arg(channelTops[i]));
            QCOMPARE(row(l, QString("Edit%1").arg(i + 1)),
                     QString("Panel15: 70,%1 64x25 f15").arg(channelTops[i]));
        }
        const QStringList buttons{"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4",
                                  "BitBtn5", "BitBtn9", "BitBtn6", "BitBtn7"};
        const QList<int> buttonTops{235, 266, 296, 327, 358, 389, 440, 440};
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(row(l, buttons[i]), QString("Panel15: 9,%1 116x30 f12").arg(buttonTops[i]));
    }

    void reportButtonPanels() {
        const Layout l = layoutAt(757, 569, ViewId::Report);
        QCOMPARE(row(l, "Memo10"), QString(": 0,0 620x512 f10"));
        // Both bottom panels are placed, so a change of report form only swaps visibility.
        QCOMPARE(row(l, "Panel16"), QString("Panel15: 0,420 135x92 f0"));
        QCOMPARE(row(l, "Panel1"), QString("Panel15: 0,420 135x92 f0"));
        QCOMPARE(row(l, "Label6"), QString("Panel16: 40,4 108x27 f12"));
        QCOMPARE(row(l, "BitBtn17"), QString("Panel16: 9,30 116x30 f12"));
        QCOMPARE(row(l, "BitBtn18"), QString("Panel16: 9,60 116x30 f12"));
        QCOMPARE(row(l, "BitBtn19"), QString("Panel1: 9,0 116x30 f12"));
        QCOMPARE(row(l, "BitBtn20"), QString("Panel1: 9,30 116x30 f12"));
        QCOMPARE(row(l, "BitBtn21"), QString("Panel1: 9,60 116x30 f12"));
    }

    void diagramPanelsAndCharts() {
        const Layout l = layoutAt(757, 569, ViewId::Diagram);
        const QList<int> lefts{1, 104, 207, 310, 413, 516};
        for (int k = 0; k < 6; ++k) {
            const QString panel = QString("Panel%1").arg(9 + k);
            QCOMPARE(row(l, panel), QString("Panel7: %1,1 102x435 f0").arg(lefts[k]));
            QCOMPARE(row(l, QString("Chart%1").arg(4 + k)), panel + ": 3,5 94x425 f0");
        }
        const ChartMetrics *co = l.chart("Chart4");
        const ChartMetrics *lambda = l.chart("Chart8");
        QVERIFY(co && lambda);
        QCOMPARE(QList<int>({co->leftAxisFont, co->rightAxisFont, co->titleFont, co->footFont,
                             co->leftTick, co->rightTick}),
                 QList<int>({10, 9, 16, 23, 6, 5}));
        QCOMPARE(QList<int>({lambda->leftAxisFont, lambda->rightAxisFont, lambda->titleFont,
                             lambda->footFont, lambda->leftTick, lambda->rightTick}),
                 QList<int>({9, 5, 16, 23, 6, 5}));
        QCOMPARE(l.charts.size(), 6);
        // The norms grid sits right below the chart panels, at the bottom of Panel7.
        QCOMPARE(row(l, "StringGrid5"), QString("Panel7: 1,436 618x76 f9 r24 c67"));
    }

    void diagramPanelsFitAtAnyWidth() {
        for (int cw = 612; cw <= 2560; cw += 37) {
            const Layout l = layoutAt(cw, 700, ViewId::Diagram);
            const int w = geometry(l, "Panel7").width();
            const int panelWidth = (w * 10 - 70) / 60;
            for (int k = 0; k < 6; ++k) {
                const QRect p = geometry(l, QString("Panel%1").arg(9 + k));
                QCOMPARE(p.width(), panelWidth);
                QCOMPARE(p.left(), k * (panelWidth + 1) + 1);
            }
            QVERIFY(geometry(l, "Panel14").right() < w);
        }
    }

    void categoryPanel() {
        const Layout l = layoutAt(757, 569, ViewId::Diagram);
        QCOMPARE(row(l, "Label3"), QString("Panel8: 4,15 129x25 f14"));
        QCOMPARE(row(l, "ListBox1"), QString("Panel8: 1,46 135x75 f10"));
        QCOMPARE(row(l, "BitBtn10"), QString("Panel8: 9,122 117x30 f12"));
        QCOMPARE(row(l, "Label4"), QString("Panel8: 4,163 129x25 f14"));
        QCOMPARE(row(l, "ListBox2"), QString("Panel8: 1,194 135x75 f10"));
        const FormSizes form;
        QCOMPARE(geometry(l, "Label2"), QRect(QPoint(20, 302), form.label2));
        QCOMPARE(row(l, "ListBox3"), QString("Panel8: 1,332 135x57 f10"));
        QCOMPARE(row(l, "Edit7"), QString("Panel8: 30,399 78x40 f19"));
        QCOMPARE(row(l, "BitBtn8"), QString("Panel8: 9,465 117x30 f12"));
        QCOMPARE(geometry(l, "SpinEdit1"), QRect(10, 465, 95, form.spinEditHeight));
        QCOMPARE(geometry(l, "SpinEdit2"), QRect(8, 465, 47, form.spinEditHeight));
        QCOMPARE(geometry(l, "SpinEdit3"), QRect(68, 465, 61, form.spinEditHeight));
        QCOMPARE(l.find("Label5")->fontPointSize, 25);
    }

    void outOfRangeViewPlacesOnlyTheStatusLine() {
        for (int view : {3, 7, -1}) {
            QCOMPARE(layoutAt(757, 569, view).names(), kStatusLine);
            QVERIFY(layoutAt(757, 569, view).charts.isEmpty());
        }
    }

    void everyPlacementHasAParentPlacedBeforeIt() {
        for (int view : kViews) {
            QStringList seen;
            for (const ControlPlacement &p : layoutAt(1024, 700, view).placements) {
                QVERIFY2(p.parent.isEmpty() || seen.contains(p.parent), qPrintable(p.name));
                QVERIFY2(!seen.contains(p.name), qPrintable(p.name));
                seen.append(p.name);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
