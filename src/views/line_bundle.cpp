#include "line_bundle.h"

#include "pixel_polyline.h"

#include "qcustomplot.h"

#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <vector>

namespace LineBundle {

bool suits(const QCPPainter &painter) {
    const QPaintEngine *engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           !painter.modes().testFlag(QCPPainter::pmVectorized) &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           painter.transform().type() <= QTransform::TxTranslate &&
           painter.pen().style() == Qt::SolidLine;
}

namespace {

// Whether the segment from a to b runs more across than up or down: its width then lies in
// the rows above and below it, otherwise in the columns beside it.
bool flat(const QPointF &a, const QPointF &b) {
    return std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
}

// One one-pixel polyline: set straight into the picture's pixels where the painter draws
// into a picture Qt's own drawing would set the same way, by the painter otherwise.
void onePixelLine(QCPPainter &painter, const QPointF *points, qsizetype count) {
    if (!PixelPolyline::drawWith(painter, points, count))
        painter.drawPolyline(points, int(count));
}

} // namespace

void drawPolyline(QCPPainter &painter, const QPen &pen, const QPointF *points, qsizetype count) {
    if (count < 2)
        return;
    const int width = std::max(1, int(pen.widthF() + 0.5));
    QPen hairline = pen;
    hairline.setWidth(0); // cosmetic: one pixel, drawn without the stroker
    painter.setPen(hairline);
    if (width == 1) {
        onePixelLine(painter, points, count);
        painter.setPen(pen);
        return;
    }
    // Each segment's copies are shifted across it; where the line turns from flat to steep,
    // the copies meet at the turning point by a step shorter than a pixel.
    const double centre = (width - 1) / 2.0;
    std::vector<QPointF> copy;
    copy.reserve(static_cast<std::size_t>(2 * count));
    for (int k = 0; k < width; ++k) {
        const double offset = k - centre;
        copy.clear();
        bool wasFlat = false;
        for (qsizetype i = 0; i + 1 < count; ++i) {
            const bool isFlat = flat(points[i], points[i + 1]);
            const QPointF shift = isFlat ? QPointF(0, offset) : QPointF(offset, 0);
            if (i == 0 || isFlat != wasFlat)
                copy.push_back(points[i] + shift);
            copy.push_back(points[i + 1] + shift);
            wasFlat = isFlat;
        }
        onePixelLine(painter, copy.data(), qsizetype(copy.size()));
    }
    painter.setPen(pen);
}

} // namespace LineBundle
