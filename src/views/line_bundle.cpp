#include "line_bundle.h"

#include "qcustomplot.h"

#include <QPaintEngine>

#include <algorithm>

namespace LineBundle {

bool suits(const QCPPainter &painter) {
    const QPaintEngine *engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           !painter.modes().testFlag(QCPPainter::pmVectorized) &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           painter.transform().type() <= QTransform::TxTranslate &&
           painter.pen().style() == Qt::SolidLine;
}

void drawPolyline(QCPPainter &painter, const QPen &pen, const QPointF *points, qsizetype count) {
    const int width = std::max(1, int(pen.widthF() + 0.5));
    QPen hairline = pen;
    hairline.setWidth(0); // cosmetic: one pixel, drawn without the stroker
    painter.setPen(hairline);
    const QTransform placed = painter.transform();
    const double centre = (width - 1) / 2.0;
    for (int row = 0; row < width; ++row)
        for (int column = 0; column < width; ++column) {
            // The inside of the square is covered by the lines along its edges.
            const bool onEdge = row == 0 || column == 0 || row == width - 1 || column == width - 1;
            if (!onEdge)
                continue;
            painter.setTransform(QTransform(placed).translate(column - centre, row - centre));
            painter.drawPolyline(points, int(count));
        }
    painter.setTransform(placed);
    painter.setPen(pen);
}

} // namespace LineBundle
