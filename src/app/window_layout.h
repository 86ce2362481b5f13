#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The proportional layout of the main window: positions, sizes and font sizes of the status
// line and of the controls of the current view, computed from the client size alone so that
// the window looks the same at 640 x 480 and full screen. Pure arithmetic, no widgets: the
// LayoutApplier applies the placements to the controls of those control names.
//
// All values are whole pixels from truncating integer division, multiplying first
// (value x percent / 100). Font sizes are points.
namespace WindowLayout {

// The toolbar sits on the bottom edge of the client area.
inline constexpr int kToolbarHeight = 30;
inline constexpr QSize kToolbarButtonSize{36, 26};

// Sizes the proportional rules leave to the form design. The main window may pass the real
// size hints of its controls instead.
struct FormSizes {
    QSize label2{120, 24};   // caption above the norm mode list on the category panel
    QSize label5{56, 32};    // caption beside the norm editing spin edits
    int spinEditHeight = 24; // SpinEdit1..SpinEdit3
};

struct Input {
    int clientWidth = 0;                // CW
    int clientHeight = 0;               // CH, toolbar included
    int toolbarHeight = kToolbarHeight; // TB
    int currentView = 6;                // a view number of ViewId
    // Height of the status fields (Edit14 and its neighbours). 0: the status fields fill the
    // strip between the main area and the toolbar, see statusFieldHeight().
    int statusFieldHeight = 0;
    FormSizes form;
};

struct ControlPlacement {
    QString name;   // objectName of the control
    QString parent; // objectName of the panel it lies in; empty: the main window's client area
    QRect geometry; // relative to the parent
    int fontPointSize = 0; // 0: keep the current font size
    int rowHeight = 0;     // string grids only, else 0
    int columnWidth = 0;   // string grids only, else 0
};

// Font sizes (points) and tick lengths (pixels) of one of the six diagram charts.
struct ChartMetrics {
    QString name;
    int leftAxisFont = 0;
    int rightAxisFont = 0;
    int titleFont = 0;
    int footFont = 0;
    int leftTick = 0;
    int rightTick = 0;
};

struct Layout {
    // Parents come before their children, so the list can be applied in order.
    QList<ControlPlacement> placements;
    QList<ChartMetrics> charts; // Chart4..Chart9, diagram view only

    const ControlPlacement *find(const QString &name) const;
    const ChartMetrics *chart(const QString &name) const;
    QStringList names() const;
};

// Work height A = CH - TB.
int workHeight(int clientHeight, int toolbarHeight);

// The status fields' height when the caller does not give one: from the status line's top
// (A x 95 / 100 + 1) down to the toolbar, at least 1.
int statusFieldHeight(int clientHeight, int toolbarHeight);

// The status line (Edit14, Edit16, Edit15, ProgressBar1) and every control of the current
// view. For any view number outside the views table only the status line is placed. The
// report view places both report button panels, Panel16 and Panel1: the options dialog swaps
// them by visibility alone when the report form changes.
Layout compute(const Input &input);

} // namespace WindowLayout
