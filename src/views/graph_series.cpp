#include "graph_series.h"

#include <algorithm>
#include <cmath>

namespace {

bool drawn(const QPointF &point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

// A sample alone between gaps or the ends of the line.
bool alone(const QVector<QPointF> &lines, qsizetype i) {
    return drawn(lines[i]) && (i == 0 || !drawn(lines[i - 1])) &&
           (i + 1 == lines.size() || !drawn(lines[i + 1]));
}

} // namespace

GraphSeries::GraphSeries(QCPAxis *keyAxis, QCPAxis *valueAxis) : QCPGraph(keyAxis, valueAxis) {}

void GraphSeries::drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const {
    QCPGraph::drawLinePlot(painter, lines);
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0)
        return;
    // A short stroke of the line's own pen, as wide as the pen and at least two pixels.
    const double half = std::max(1.0, painter->pen().widthF() / 2);
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (alone(lines, i))
            painter->drawLine(
                QLineF(lines[i].x() - half, lines[i].y(), lines[i].x() + half, lines[i].y()));
}
