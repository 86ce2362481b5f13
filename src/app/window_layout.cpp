#include "window_layout.h"

#include <algorithm>
#include <array>

namespace WindowLayout {

namespace {

// value x percent / 100, multiplying first.
int pct(int value, int percent) {
    return value * percent / 100;
}

// A computed font size below one point cannot be applied; 0 is reserved for "keep".
int points(int computed) {
    return std::max(1, computed);
}

const QString kClientArea;

struct Ratio {
    int num;
    int den;
    int of(int value) const { return value * num / den; }
};

class Builder {
public:
    explicit Builder(Layout &out) : out_(out) {}

    // Places a control. Negative sizes, possible only on a degenerate client area, become 0;
    // the controls inside a panel are computed from the size the panel actually gets.
    ControlPlacement &place(const QString &name, const QString &parent, int left, int top,
                            int width, int height, int font = 0) {
        ControlPlacement p;
        p.name = name;
        p.parent = parent;
        p.geometry = QRect(left, top, std::max(0, width), std::max(0, height));
        p.fontPointSize = font;
        out_.placements.append(p);
        return out_.placements.last();
    }

    ControlPlacement &place(const QString &name, const QString &parent, const QRect &r,
                            int font = 0) {
        return place(name, parent, r.left(), r.top(), r.width(), r.height(), font);
    }

    void chart(const ChartMetrics &metrics) { out_.charts.append(metrics); }

    const ControlPlacement &find(const QString &name) const { return *out_.find(name); }

private:
    Layout &out_;
};

// The common frame of every view.
struct Frame {
    int cw = 0;
    int ch = 0;
    int work = 0;       // A
    int mainWidth = 0;  // CW x 82 / 100
    int mainHeight = 0; // A x 95 / 100
    int statusHeight = 0;

    QRect mainArea() const { return QRect(0, 0, mainWidth, mainHeight); }
    QRect sideArea() const { return QRect(mainWidth + 1, 0, cw - mainWidth - 2, mainHeight); }
    QRect categoryArea() const { return QRect(mainWidth, 0, cw - mainWidth, mainHeight); }
};

void placeStatusLine(Builder &b, const Frame &f) {
    const int width = f.cw / 3 - 1;
    const int top = f.mainHeight + 1;
    const int font = points(f.work * 19 / 1000);
    const char *const fields[] = {"Edit14", "Edit16", "Edit15"};
    int left = 0;
    for (const char *name : fields) {
        b.place(QString::fromLatin1(name), kClientArea, left, top, width, f.statusHeight, font);
        left += width + 1;
    }
    // The search progress bar covers the fuel field while the link is being searched for.
    b.place(QStringLiteral("ProgressBar1"), kClientArea, left - width - 1, top, width,
            f.statusHeight);
}

// Readings grid of the information and table views; returns its geometry.
QRect placeReadingsGrid(Builder &b, const Frame &f) {
    const int font = f.work * 85 / 1000;
    const int row = font * 170 / 100;
    const int column = font * 520 / 100;
    const QRect grid(0, pct(f.ch, 3), 2 * column + 4, 6 * row + 8);
    ControlPlacement &p = b.place(QStringLiteral("StringGrid1"), kClientArea, grid, points(font));
    p.rowHeight = row;
    p.columnWidth = column;
    return grid;
}

void placeInformation(Builder &b, const Frame &f) {
    const QRect grid = placeReadingsGrid(b, f);
    const QString panel = QStringLiteral("Panel3");
    const QSize size = b.place(panel, kClientArea, grid.left() + grid.width() + 1, grid.top(),
                               f.cw - (grid.left() + grid.width() + 19), grid.height())
                           .geometry.size();
    const int w = size.width();
    const int h = size.height();

    const int upDownWidth = pct(f.cw, 6);
    const int upDownHeight = pct(f.ch, 5);
    b.place(QStringLiteral("UpDown1"), panel, w / 2 - upDownWidth / 2, 0, upDownWidth,
            upDownHeight);
    // The picture keeps the aspect 4 : 3 (height 375 / 500 of its width) at any window shape.
    const int imageHeight = w * 375 / 500;
    b.place(QStringLiteral("Image1"), panel, 0, upDownHeight, w, imageHeight);
    const int memoTop = upDownHeight + imageHeight;
    b.place(QStringLiteral("Memo2"), panel, 0, memoTop, w, h - memoTop, points(h * 21 / 1000));
}

// The three buttons of a row on the header panel: shares of the panel width.
constexpr std::array<int, 3> kHeaderButtonLeft{1, 32, 69};
constexpr std::array<int, 3> kHeaderButtonWidth{30, 36, 31};

void placeHeaderButtonRow(Builder &b, const QString &panel, int w, int top, int height,
                          int firstNumber) {
    for (int i = 0; i < 3; ++i)
        b.place(QStringLiteral("BitBtn%1").arg(firstNumber + i), panel,
                pct(w, kHeaderButtonLeft[i]), top, pct(w, kHeaderButtonWidth[i]), height,
                points(pct(height, 42)));
}

void placeTable(Builder &b, const Frame &f) {
    const QRect grid = placeReadingsGrid(b, f);
    const QString panel = QStringLiteral("Panel2");
    const int left = grid.left() + grid.width();
    const QSize size =
        b.place(panel, kClientArea, left, grid.top(), f.cw - left, grid.height()).geometry.size();
    const int w = size.width();
    const int h = size.height();

    const int labelLeft = pct(w, 8);
    const int labelHeight = pct(h, 5);
    b.place(QStringLiteral("Label1"), panel, labelLeft, pct(h, 2), w - 2 * labelLeft, labelHeight,
            points(pct(labelHeight, 70)));
    placeHeaderButtonRow(b, panel, w, pct(h, 8), pct(h, 6), 11);
    b.place(QStringLiteral("Memo1"), panel, 0, pct(h, 15), w, pct(h, 38), points(pct(h, 3)));
    placeHeaderButtonRow(b, panel, w, pct(h, 56), pct(h, 6), 14);

    const int column = pct(w, 49);
    const int row = pct(h, 9);
    ControlPlacement &clock = b.place(QStringLiteral("StringGrid2"), panel, 0, pct(h, 65),
                                      2 * column + 4, 4 * row + 6, points(pct(row, 38)));
    clock.rowHeight = row;
    clock.columnWidth = column;
}

// Side panel Panel15 of the report and graph views; returns the placement of "Сохранить"
// (BitBtn1), whose size and font the report buttons copy.
ControlPlacement placeSidePanel(Builder &b, const Frame &f) {
    const QString panel = QStringLiteral("Panel15");
    const QSize size = b.place(panel, kClientArea, f.sideArea()).geometry.size();
    const int w = size.width();
    const int h = size.height();

    // One row per channel: check box on the left, value box on the right.
    const int rowHeight = pct(h, 5);
    for (int channel = 0; channel < 6; ++channel) {
        const int top = pct(h, 3 + 7 * channel);
        b.place(QStringLiteral("CheckBox%1").arg(channel + 1), panel, pct(w, 1), top, pct(w, 49),
                rowHeight, points(pct(rowHeight, 40)));
        b.place(QStringLiteral("Edit%1").arg(channel + 1), panel, pct(w, 52), top, pct(w, 48),
                rowHeight, points(pct(h, 3)));
    }

    // Graph and report buttons, 6 % apart; the recording pair shares one place.
    struct Button {
        const char *name;
        int top;
    };
    static constexpr Button kButtons[] = {{"BitBtn1", 46}, {"BitBtn2", 52}, {"BitBtn3", 58},
                                          {"BitBtn4", 64}, {"BitBtn5", 70}, {"BitBtn9", 76},
                                          {"BitBtn6", 86}, {"BitBtn7", 86}};
    const int buttonHeight = pct(h, 6);
    ControlPlacement save;
    for (const Button &button : kButtons) {
        const ControlPlacement &p =
            b.place(QString::fromLatin1(button.name), panel, pct(w, 7), pct(h, button.top),
                    pct(w, 86), buttonHeight, points(pct(buttonHeight, 42)));
        if (p.name == QLatin1String("BitBtn1"))
            save = p;
    }
    return save;
}

void placeReport(Builder &b, const Frame &f) {
    const QRect main = f.mainArea();
    b.place(QStringLiteral("Memo10"), kClientArea, main, points(pct(main.height(), 2)));
    const ControlPlacement save = placeSidePanel(b, f);

    const QSize side = b.find(QStringLiteral("Panel15")).geometry.size();
    const int q = side.width();
    const int p = pct(side.height(), 18);
    const int top = side.height() - p; // both panels are bottom-aligned in Panel15

    // Each button copies left, width, height and font of "Сохранить".
    auto button = [&](const QString &name, const QString &panel, int percentOfP) {
        b.place(name, panel, save.geometry.left(), pct(p, percentOfP), save.geometry.width(),
                save.geometry.height(), save.fontPointSize);
    };

    const QString speeds = QStringLiteral("Panel16");
    b.place(speeds, QStringLiteral("Panel15"), 0, top, q, p);
    b.place(QStringLiteral("Label6"), speeds, pct(q, 30), pct(p, 5), pct(q, 80), pct(p, 30),
            points(pct(p, 14)));
    button(QStringLiteral("BitBtn17"), speeds, 33); // "Nмин."
    button(QStringLiteral("BitBtn18"), speeds, 66); // "Nпов."

    const QString gases = QStringLiteral("Panel1");
    b.place(gases, QStringLiteral("Panel15"), 0, top, q, p);
    constexpr int kGasButtonTop[] = {1, 33, 66}; // "ПГС 1", "ПГС 2", "ПГС 3"
    for (int i = 0; i < 3; ++i)
        button(QStringLiteral("BitBtn%1").arg(19 + i), gases, kGasButtonTop[i]);
}

void placeGraph(Builder &b, const Frame &f) {
    const QRect main = f.mainArea();
    // Title, foot, axis labels and legend all use this size.
    b.place(QStringLiteral("Chart3"), kClientArea, main, points(pct(main.height(), 2)));
    placeSidePanel(b, f);
}

// Fonts and tick lengths of the six diagram charts, as shares of the chart's height (fonts)
// and width (ticks). Title h / 26 and foot h / 18 are common to all.
struct ChartRatios {
    Ratio leftFont;
    Ratio rightFont;
    Ratio leftTick;
    Ratio rightTick;
};
constexpr ChartRatios kChartRatios[6] = {
    {{1, 42}, {1, 46}, {1, 14}, {1, 16}},    // Chart4, CO
    {{1, 55}, {1, 57}, {1, 15}, {1, 45}},    // Chart5, CH
    {{1, 42}, {1, 42}, {1, 8}, {1, 10}},     // Chart6, CO2
    {{1, 42}, {1, 42}, {1, 8}, {1, 10}},     // Chart7, O2
    {{1, 45}, {14, 1000}, {1, 15}, {1, 18}}, // Chart8, lambda
    {{1, 55}, {1, 57}, {1, 15}, {1, 35}},    // Chart9, engine speed
};

void placeDiagram(Builder &b, const Frame &f) {
    const QString panel = QStringLiteral("Panel7");
    const QSize size = b.place(panel, kClientArea, f.mainArea()).geometry.size();
    const int w = size.width();
    const int h = size.height();

    // Six chart panels side by side, 1 pixel apart.
    const int panelWidth = std::max(0, (w * 10 - 70) / 60);
    const int panelTop = 1;
    const int panelHeight = pct(h, 85);
    for (int k = 0; k < 6; ++k) {
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
}

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

// Readings view: six cells, in channel order CO, CH, CO2 (left column), O2, lambda, engine
// speed (right column).
struct Cell {
    const char *panel;
    int memoFontPercent; // caption memo font as a share of the memo's height
};
constexpr Cell kCells[6] = {{"Panel5", 24},  {"Panel6", 20},  {"Panel17", 20},
                            {"Panel18", 24}, {"Panel19", 40}, {"Panel20", 20}};

void placeReadings(Builder &b, const Frame &f) {
    const QString panel = QStringLiteral("Panel4");
    const QSize size =
        b.place(panel, kClientArea, 0, 0, f.cw, f.work - f.statusHeight + 2).geometry.size();
    const int w = size.width();
    const int h = size.height();

    const int cellWidth = std::max(0, (w - 3) / 2);
    const int cellHeight = std::max(0, (h - 4) / 3);
    // The value box stays centred vertically: as much space below it as above.
    const int boxLeft = pct(cellWidth, 2);
    const int boxTop = pct(cellHeight, 18);
    const int boxWidth = pct(cellWidth, 70);
    const int boxHeight = cellHeight - 2 * boxTop;
    const int memoLeft = cellWidth / 100 + boxLeft + boxWidth;
    const int memoWidth = pct(cellWidth, 25);

    for (int channel = 0; channel < 6; ++channel) {
        const int column = channel / 3;
        const int row = channel % 3;
        const QString cell = QString::fromLatin1(kCells[channel].panel);
        b.place(cell, panel, 1 + column * (cellWidth + 1), 1 + row * (cellHeight + 1), cellWidth,
                cellHeight);
        b.place(QStringLiteral("Edit%1").arg(8 + channel), cell, boxLeft, boxTop, boxWidth,
                boxHeight, points(pct(cellHeight, 41)));
        b.place(QStringLiteral("Memo%1").arg(3 + channel), cell, memoLeft, boxTop, memoWidth,
                boxHeight, points(pct(boxHeight, kCells[channel].memoFontPercent)));
    }
}

} // namespace

int workHeight(int clientHeight, int toolbarHeight) {
    return clientHeight - toolbarHeight;
}

int statusFieldHeight(int clientHeight, int toolbarHeight) {
    const int work = workHeight(clientHeight, toolbarHeight);
    return std::max(1, work - (pct(work, 95) + 1));
}

Layout compute(const Input &input) {
    Frame f;
    f.cw = input.clientWidth;
    f.ch = input.clientHeight;
    f.work = workHeight(input.clientHeight, input.toolbarHeight);
    f.mainWidth = pct(f.cw, 82);
    f.mainHeight = pct(f.work, 95);
    f.statusHeight = input.statusFieldHeight > 0
                         ? input.statusFieldHeight
                         : statusFieldHeight(input.clientHeight, input.toolbarHeight);

    Layout layout;
    Builder b(layout);
    placeStatusLine(b, f);
    switch (input.currentView) {
    case kInformationView:
        placeInformation(b, f);
        break;
    case kTableView:
        placeTable(b, f);
        break;
    case kReportView:
        placeReport(b, f);
        break;
    case kDiagramView:
        placeDiagram(b, f);
        placeCategoryPanel(b, f, input.form);
        break;
    case kGraphView:
        placeGraph(b, f);
        break;
    case kReadingsView:
        placeReadings(b, f);
        break;
    default:
        break; // a damaged setting: only the status line
    }
    return layout;
}

const ControlPlacement *Layout::find(const QString &name) const {
    for (const ControlPlacement &p : placements)
        if (p.name == name)
            return &p;
    return nullptr;
}

const ChartMetrics *Layout::chart(const QString &name) const {
    for (const ChartMetrics &m : charts)
        if (m.name == name)
            return &m;
    return nullptr;
}

QStringList Layout::names() const {
    QStringList result;
    for (const ControlPlacement &p : placements)
        result.append(p.name);
    return result;
}

QStringList viewControls(int currentView, int reportKind) {
    switch (currentView) {
    case kReadingsView:
        return {QStringLiteral("Panel4")};
    case kInformationView:
        return {QStringLiteral("StringGrid1"), QStringLiteral("Panel3"), QStringLiteral("UpDown1")};
    case kTableView:
        return {QStringLiteral("StringGrid1"), QStringLiteral("Panel2")};
    case kReportView:
        return {QStringLiteral("Memo10"), QStringLiteral("Panel15"),
                reportKind == 0 ? QStringLiteral("Panel16") : QStringLiteral("Panel1")};
    case kDiagramView:
        return {QStringLiteral("Panel7"), QStringLiteral("Panel8")};
    case kGraphView:
        return {QStringLiteral("Chart3"), QStringLiteral("Panel15")};
    default:
        return {};
    }
}

QStringList allViewControls() {
    return {QStringLiteral("StringGrid1"), QStringLiteral("Panel2"), QStringLiteral("Panel3"),
            QStringLiteral("UpDown1"),     QStringLiteral("Memo10"), QStringLiteral("Panel15"),
            QStringLiteral("Panel16"),     QStringLiteral("Panel1"), QStringLiteral("Panel7"),
            QStringLiteral("Panel8"),      QStringLiteral("Chart3"), QStringLiteral("Panel4")};
}

} // namespace WindowLayout
