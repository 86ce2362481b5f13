#pragma once

#include "qcustomplot.h"

// A chart caption that measures its text once for each text and font it is given. QCustomPlot
// measures a caption's text (a whole layout of it) twice on every redraw to size the chart's
// rows; the graph is redrawn several times a second while its captions stay the same.
class MeasuredTextElement : public QCPTextElement {
public:
    using QCPTextElement::QCPTextElement;

    QSize minimumOuterSizeHint() const override;
    QSize maximumOuterSizeHint() const override;

private:
    QSize textSize() const;

    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable QSize measuredSize_;
    mutable bool measured_ = false;
};
