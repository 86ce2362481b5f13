#include "layout_builder.h"

#include "channel.h"

#include <algorithm>

namespace WindowLayout {

namespace {

// Fonts and tick lengths of the six diagram charts, as shares of the chart's height (fonts)
// and width (ticks). Title h / 26 and foot h / 18 are common to all.
struct ChartRatios {
    Ratio leftFont;
    Ratio rightFont;
    Ratio leftTick;
    Ratio rightTick;
};
constexpr PerChannel<ChartRatios> kChartRatios = {{
    {{1, 42}, {1, 46}, {1, 14}, {1, 16}},    // Chart4, CO
    {{1, 55}, {1, 57}, {1, 15}, {1, 45}},    // Chart5, CH
    {{1, 42}, {1, 42}, {1, 8}, {1, 10}},     // Chart6, CO2
    {{1, 42}, {1, 42}, {1, 8}, {1, 10}},     // Chart7, O2
    {{1, 45}, {14, 1000}, {1, 15}, {1, 18}}, // Chart8, lambda
    {{1, 55}, {1, 57}, {1, 15}, {1, 35}},    // Chart9, engine speed
}};

void placeCategoryPanel(Builder &b, const Frame &f, const FormSizes &form) {
    const QString panel = QStringLiteral("Panel8");
    const QSize size = b.place(panel, kClientArea, f.categoryArea()).geometry.size();
    const int w = size.width();
    const int h = size.height();

    const int labelHeight = h / 20;
    const int labelFont = points(labelHeight * 34 / 60);
    const int listFont = pct(h, 2);
    const int listHeight = 7 * listFont + 5;
    const int buttonHeight = pct(h, 6);
    const int buttonFont = points(pct(buttonHeight, 42));
    const int editHeight = pct(h, 8);

    b.place(QStringLiteral("Label3"), panel, w / 30, pct(h, 3), w - 8, labelHeight, labelFont);
    b.place(QStringLiteral("ListBox1"), panel, 1, pct(h, 9), w - 2, listHeight, points(listFont));
    b.place(QStringLiteral("BitBtn10"), panel, pct(w, 7), pct(h, 24), pct(w, 86), buttonHeight,
            buttonFont);
    b.place(QStringLiteral("Label4"), panel, w / 30, pct(h, 32), w - 8, labelHeight, labelFont);
    b.place(QStringLiteral("ListBox2"), panel, 1, pct(h, 38), w - 2, listHeight, points(listFont));
    b.place(QStringLiteral("Label2"), panel, pct(w, 15), pct(h, 59), form.label2.width(),
            form.label2.height(), points(pct(h, 3)));
    b.place(QStringLiteral("ListBox3"), panel, 1, pct(h, 65), w - 2, pct(listHeight, 77),
            points(listFont));
    b.place(QStringLiteral("Edit7"), panel, pct(w, 22), pct(h, 78), pct(w, 57), editHeight,
            points(pct(editHeight, 50) - 1));
    b.place(QStringLiteral("BitBtn8"), panel, pct(w, 7), pct(h, 91), pct(w, 86), buttonHeight,
            buttonFont);

    // Norm editing: only one spin edit is visible at a time, depending on the cell edited.
    struct Spin {
        int left;
        int width;
    };
    constexpr Spin kSpins[] = {{8, 70}, {6, 35}, {50, 45}};
    for (int i = 0; i < 3; ++i)
        b.place(QStringLiteral("SpinEdit%1").arg(i + 1), panel, pct(w, kSpins[i].left), pct(h, 91),
                pct(w, kSpins[i].width), form.spinEditHeight, points(pct(h, 3)));
    b.place(QStringLiteral("Label5"), panel, pct(w, 43), pct(h, 90), form.label5.width(),
            form.label5.height(), points(pct(h, 5)));
}

} // namespace

void placeDiagramView(Builder &b, const Frame &f) {
    const QString panel = QStringLiteral("Panel7");
    const QSize size = b.place(panel, kClientArea, f.mainArea()).geometry.size();
    const int w = size.width();
    const int h = size.height();

    // Six chart panels side by side, 1 pixel apart.
    const int panelWidth = std::max(0, (w * 10 - 70) / 60);
    const int panelTop = 1;
    const int panelHeight = pct(h, 85);
    for (int k = 0; k < kChannelCount; ++k) {
        const QString chartPanel = QStringLiteral("Panel%1").arg(9 + k);
        b.place(chartPanel, panel, k * (panelWidth + 1) + 1, panelTop, panelWidth, panelHeight);

        const int cw = std::max(0, panelWidth - 8);
        const int ch = std::max(0, panelHeight - 10);
        const QString chart = QStringLiteral("Chart%1").arg(4 + k);
        b.place(chart, chartPanel, 3, 5, cw, ch);
        const ChartRatios &r = kChartRatios[k];
        b.chart(ChartMetrics{chart, points(r.leftFont.of(ch)), points(r.rightFont.of(ch)),
                             points(ch / 26), points(ch / 18), r.leftTick.of(cw),
                             r.rightTick.of(cw)});
    }

    // Norms grid, bottom-aligned under the charts: nine columns, three rows.
    const int column = (w - 4) / 9 - 1;
    const int row = std::max(0, (h - panelTop - panelHeight - 4) / 3);
    const int gridHeight = 3 * row + 4;
    ControlPlacement &norms = b.place(QStringLiteral("StringGrid5"), panel, 1, h - gridHeight,
                                      w - 2, gridHeight, points(row * 8 / 20));
    norms.rowHeight = row;
    norms.columnWidth = column;
    placeCategoryPanel(b, f, f.form);
}

} // namespace WindowLayout
