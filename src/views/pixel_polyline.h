#pragma once

#include <QPointF>
#include <QRect>
#include <QtGlobal>

class QPainter;

// A solid, opaque, one-pixel polyline set straight into 32-bit pixels: the pixels Qt's raster
// engine sets for a cosmetic pen without antialiasing, found the same way (the same fixed-point
// steps, the same joining of segments, the same clipping), without the engine's per-segment
// dispatch. LineBundle uses it where the painter draws into such pixels.
namespace PixelPolyline {

// Pixels to draw into: `width` x `height` 32-bit pixels (an RGB32 or premultiplied ARGB32
// picture), rows `stride` pixels apart; only the pixels inside `clip` are set.
struct Target {
    quint32 *pixels = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;
    QRect clip;
};

// The polyline through `count` points, each moved by `offset` (the painter's translation),
// set to `colour` (opaque, as stored in the picture). `caps`: whether the pen's ends are not
// flat, which lengthens an open polyline by half a pixel at either end, as Qt does.
void draw(const Target &target, quint32 colour, QPointF offset, const QPointF *points,
          qsizetype count, bool caps);

// Draws the polyline with the painter's pen when the painter draws into such pixels and Qt
// would set them the same way: an RGB32 or premultiplied ARGB32 QImage, moved at most, without
// antialiasing, with an opaque solid pen of one pixel (a cosmetic pen or width 1), painted
// over at full opacity, clipped at most to one rectangle. Returns false, having drawn nothing,
// for every other painter: the caller then draws with the painter itself.
bool drawWith(QPainter &painter, const QPointF *points, qsizetype count);

} // namespace PixelPolyline
