#include "graph_series.h"

#include "line_bundle.h"

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

// Each stretch of drawn points between gaps, as one polyline.
void drawBundledStretches(QCPPainter &painter, const QPen &pen, const QVector<QPointF> &lines) {
    qsizetype start = 0;
    while (start < lines.size()) {
        while (start < lines.size() && !drawn(lines[start]))
            ++start;
        qsizetype end = start;
        while (end < lines.size() && drawn(lines[end]))
            ++end;
        if (end - start > 1)
            LineBundle::drawPolyline(painter, pen, lines.constData() + start, end - start);
        start = end;
    }
}

} // namespace

GraphSeries::GraphSeries(QCPAxis *keyAxis, QCPAxis *valueAxis) : QCPGraph(keyAxis, valueAxis) {}

void GraphSeries::drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const {
    const QPen pen = painter->pen();
    if (pen.style() == Qt::NoPen || pen.color().alpha() == 0)
        return;
    applyDefaultAntialiasingHint(painter);
    const bool bundled = LineBundle::suits(*painter);
    if (bundled)
        drawBundledStretches(*painter, pen, lines);
    else
        drawPolyline(painter, lines);
    // A short stroke of the line's own pen, as wide as the pen and at least two pixels.
    const double half = std::max(1.0, pen.widthF() / 2);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!alone(lines, i))
            continue;
        const QPointF stroke[] = {{lines[i].x() - half, lines[i].y()},
                                  {lines[i].x() + half, lines[i].y()}};
        if (bundled)
            LineBundle::drawPolyline(*painter, pen, stroke, 2);
        else
            painter->drawLine(stroke[0], stroke[1]);
    }
}
