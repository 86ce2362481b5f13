#pragma once

#include "element_picture.h"

#include "qcustomplot.h"

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
    QByteArray measure() const;
    // Everything its picture depends on besides its place: the line's pen and fill are the
    // icon; the rest is the title.
    QByteArray look() const;

    mutable QByteArray measured_;
    mutable QSize size_;
    ElementPicture picture_;
};
