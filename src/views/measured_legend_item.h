#pragma once

#include "element_picture.h"

#include "qcustomplot.h"

#include <optional>
#include <tuple>

// A legend entry that measures itself once for each title and font, and on the screen copies
// the picture of its icon and title while they stay the same. QCustomPlot measures every
// entry's title (a whole text layout) to size the legend and lays it out again to draw it, on
// every redraw of the chart.
class MeasuredLegendItem : public QCPPlottableLegendItem {
public:
    using QCPPlottableLegendItem::QCPPlottableLegendItem;

    QSize minimumOuterSizeHint() const override;

protected:
    void draw(QCPPainter *painter) override;

private:
    // Everything the entry's size depends on.
    using Measure = std::tuple<QString, QFont, QSize, int, QMargins>;
    Measure measure() const;
    // Everything its picture depends on besides its place: the line's pen and fill are the
    // icon; the rest is the title.
    using Look = std::tuple<Measure, QColor, QPen, QRect, QPen, QBrush, bool>;
    Look look() const;

    mutable std::optional<Measure> measured_;
    mutable QSize size_;
    ElementPicture<Look> picture_;
};
