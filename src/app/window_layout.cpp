#include "window_layout.h"

#include "layout/layout_builder.h"
#include "view_table.h"

#include <algorithm>

// The status line and the shared frame are placed here; each view's controls by its own
// placement function, found in the views table.
namespace WindowLayout {

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
    f.form = input.form;

    Layout layout;
    Builder b(layout);
    placeStatusLine(b, f);
    // A damaged setting names no view: only the status line is placed.
    if (const ViewDefinition *view = ViewTable::find(input.currentView))
        view->place(b, f);
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

} // namespace WindowLayout
