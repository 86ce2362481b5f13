#pragma once

#include "element_picture.h"

#include "qcustomplot.h"

#include <tuple>

// A chart caption that measures its text once for each text and font it is given, and on the
// screen copies the picture of its text while it stays the same. QCustomPlot lays out a
// caption's text twice to size the chart's rows and once more to draw it, on every redraw;
// the graph is redrawn several times a second while its captions stay the same.
class MeasuredTextElement : public QCPTextElement {
public:
    using QCPTextElement::QCPTextElement;

    QSize minimumOuterSizeHint() const override;
    QSize maximumOuterSizeHint() const override;

protected:
    void draw(QCPPainter *painter) override;

private:
    QSize textSize() const;

    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable QSize measuredSize_;
    mutable bool measured_ = false;
    using Look = std::tuple<QString, QFont, QColor, int, QRect>;
    ElementPicture<Look> picture_;
    QRect pictureTextBounds_; // where the text lay within the picture's area
};
