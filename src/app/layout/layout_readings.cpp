#include "layout_builder.h"

#include "channel.h"

#include <algorithm>

namespace WindowLayout {

namespace {

// Readings view: six cells, in channel order CO, CH, CO2 (left column), O2, lambda, engine
// speed (right column).
struct Cell {
    const char *panel;
    int memoFontPercent; // caption memo font as a share of the memo's height
};
constexpr PerChannel<Cell> kCells = {{{"Panel5", 24},
                                      {"Panel6", 20},
                                      {"Panel17", 20},
                                      {"Panel18", 24},
                                      {"Panel19", 40},
                                      {"Panel20", 20}}};

} // namespace

void placeReadingsView(Builder &b, const Frame &f) {
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

    for (int channel = 0; channel < kChannelCount; ++channel) {
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

} // namespace WindowLayout
