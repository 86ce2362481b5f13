#include "layout_builder.h"

namespace WindowLayout {

void placeGraphView(Builder &b, const Frame &f) {
    const QRect main = f.mainArea();
    // Title, foot, axis labels and legend all use this size.
    b.place(QStringLiteral("Chart3"), kClientArea, main, points(pct(main.height(), 2)));
    placeSidePanel(b, f);
}

} // namespace WindowLayout
