#include "layout_builder.h"

#include <algorithm>

namespace WindowLayout {

ControlPlacement &Builder::place(const QString &name, const QString &parent, int left, int top,
                                 int width, int height, int font) {
    ControlPlacement p;
    p.name = name;
    p.parent = parent;
    p.geometry = QRect(left, top, std::max(0, width), std::max(0, height));
    p.fontPointSize = font;
    out_.placements.append(p);
    return out_.placements.last();
}

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

} // namespace WindowLayout
