#include "layout_builder.h"

namespace WindowLayout {

void placeInformationView(Builder &b, const Frame &f) {
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

} // namespace WindowLayout
