#pragma once

#include "qcustomplot.h"

// One channel's line on the graph chart. The line breaks at a gap (a point whose value is not
// a number lies between the samples on either side of it), and a sample with no neighbour in
// its stretch of line, which a line alone would not show, is drawn as a point.
class GraphSeries : public QCPGraph {
    Q_OBJECT

public:
    GraphSeries(QCPAxis *keyAxis, QCPAxis *valueAxis);

protected:
    void drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const override;
};
