#include "layout_builder.h"

#include <array>

namespace WindowLayout {

namespace {

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

} // namespace

void placeTableView(Builder &b, const Frame &f) {
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

} // namespace WindowLayout
