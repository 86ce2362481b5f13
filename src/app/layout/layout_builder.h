#pragma once

#include "window_layout.h"

#include <QRect>
#include <QString>

// The shared tools of the per-view placement functions: the common frame every view is
// placed in, and the builder that records placements. Pure arithmetic, no widgets.
namespace WindowLayout {

// value x percent / 100, multiplying first.
inline int pct(int value, int percent) {
    return value * percent / 100;
}

// A computed font size below one point cannot be applied; 0 is reserved for "keep".
inline int points(int computed) {
    return computed < 1 ? 1 : computed;
}

// value x num / den, multiplying first.
struct Ratio {
    int num;
    int den;
    int of(int value) const { return value * num / den; }
};

// The parent name of a control placed directly in the main window's client area.
inline const QString kClientArea;

class Builder {
public:
    explicit Builder(Layout &out) : out_(out) {}

    // Places a control. Negative sizes, possible only on a degenerate client area, become 0;
    // the controls inside a panel are computed from the size the panel actually gets.
    ControlPlacement &place(const QString &name, const QString &parent, int left, int top,
                            int width, int height, int font = 0);
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
    FormSizes form;

    QRect mainArea() const { return QRect(0, 0, mainWidth, mainHeight); }
    QRect sideArea() const { return QRect(mainWidth + 1, 0, cw - mainWidth - 2, mainHeight); }
    QRect categoryArea() const { return QRect(mainWidth, 0, cw - mainWidth, mainHeight); }
};

// Pieces shared by more than one view.
void placeStatusLine(Builder &b, const Frame &f);
// Readings grid of the information and table views; returns its geometry.
QRect placeReadingsGrid(Builder &b, const Frame &f);
// Side panel Panel15 of the report and graph views; returns the placement of "Сохранить"
// (BitBtn1), whose size and font the report buttons copy.
ControlPlacement placeSidePanel(Builder &b, const Frame &f);

// One placement function per view.
void placeReadingsView(Builder &b, const Frame &f);
void placeInformationView(Builder &b, const Frame &f);
void placeTableView(Builder &b, const Frame &f);
void placeReportView(Builder &b, const Frame &f);
void placeDiagramView(Builder &b, const Frame &f);
void placeGraphView(Builder &b, const Frame &f);

} // namespace WindowLayout
