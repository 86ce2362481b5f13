#pragma once

#include <QPen>
#include <QPointF>

class QCPPainter;

// A line of a pen several pixels wide drawn as one-pixel lines side by side: the same pixels,
// within one at the corners, as the wide pen's outline filled, but without Qt's stroker, which
// joins every pair of segments of a wide pen (each join an angle and an intersection) and
// costs many times the drawing itself on a chart of thousands of short segments.
//
// A line of width w is w one-pixel copies a pixel apart: one above the other where the line
// runs more across than up or down, side by side where it is steeper. Each pixel is set, never
// blended, so the picture keeps the pen's colour; a 2-pixel line costs two cosmetic polylines.
namespace LineBundle {

// Whether drawing through `painter` can take the bundle: a picture in pixels (the screen, a
// bitmap) at its own scale, without antialiasing, with a solid pen. Printing, metafiles and a
// scaled painter draw the wide pen itself, whose width then scales with the picture.
bool suits(const QCPPainter &painter);

// The polyline through `count` points, in the colour and width of `pen`.
void drawPolyline(QCPPainter &painter, const QPen &pen, const QPointF *points, qsizetype count);

} // namespace LineBundle
