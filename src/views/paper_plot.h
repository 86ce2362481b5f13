#pragma once

#include "qcustomplot.h"

// A chart whose picture buffer is filled with the chart's own background instead of being
// cleared to transparent. The chart then goes onto the screen as one copy of opaque pixels,
// where QCustomPlot fills the widget with the background and blends a transparent picture over
// it, and the buffer needs no clearing besides the background it is given anyway. Everything
// drawn is drawn as before; exports and printing do not use the buffer.
class PaperPlot : public QCustomPlot {
public:
    explicit PaperPlot(QWidget *parent = nullptr);

    // Whether the picture is opaque: the background is one solid, opaque colour and no
    // background picture lies under the chart.
    bool hasOpaquePaper() const;
    // The colour of that paper.
    QColor paper() const { return mBackgroundBrush.color(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
