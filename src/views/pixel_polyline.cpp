#include "pixel_polyline.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

// Follows the aliased, solid branch of Qt 6.4's QCosmeticStroker
// (qtbase src/gui/painting/qcosmeticstroker.cpp: drawPath's polygon branch, drawLine,
// clipLine, calculateLastPoint, capAdjust; Copyright (C) 2016 The Qt Company Ltd., used here
// under GPL-3.0-only, see the package's copyright file), so that every pixel matches the
// raster engine's own. Only the pixel writing differs: an opaque colour over any pixel is
// the colour itself, so it is stored without blending.

namespace PixelPolyline {

namespace {

using Fixed = qint64; // 16.16 fixed point, as Qt uses on 64-bit machines

enum Caps { NoCaps = 0, CapBegin = 0x1, CapEnd = 0x2 };

enum Direction {
    NoDirection = 0,
    TopToBottom = 0x1,
    BottomToTop = 0x2,
    LeftToRight = 0x4,
    RightToLeft = 0x8,
    VerticalMask = 0x3,
    HorizontalMask = 0xc
};

struct Pixel {
    int x;
    int y;
};

inline int toF26Dot6(double v) {
    return static_cast<int>(v * 64.);
}

// x / y in 16.16. A 32-bit division, much quicker than a 64-bit one, gives the same quotient
// wherever x * 65536 fits in 32 bits, which is every step of up to 512 pixels.
inline Fixed fixedDiv(int x, int y) {
    if (x >= -0x7fff && x <= 0x7fff)
        return Fixed((x * (1 << 16)) / y);
    return Fixed(x) * (1 << 16) / y;
}

inline int swapCaps(int caps) {
    return ((caps & CapBegin) << 1) | ((caps & CapEnd) >> 1);
}

// Lengthens a line by half a pixel at the capped ends.
inline void capAdjust(int caps, int &x1, int &x2, Fixed &y, Fixed yinc) {
    if (caps & CapBegin) {
        x1 -= 32;
        y -= yinc >> 1;
    }
    if (caps & CapEnd)
        x2 += 32;
}

class Stroker {
public:
    Stroker(const Target &target, quint32 colour)
        : pixels_(target.pixels), stride_(target.stride),
          clip_(target.clip & QRect(0, 0, target.width, target.height)), colour_(colour),
          // Lines are cut a pixel outside the picture, whatever the clip, so that the same
          // line always takes the same pixels.
          xmin_(-1), xmax_(target.width + 1), ymin_(-1), ymax_(target.height + 1) {}

    void polyline(const QPointF *points, qsizetype count, QPointF offset, bool drawCaps);

private:
    void set(int x, int y) {
        if (x < clip_.left() || x > clip_.right() || y < clip_.top() || y > clip_.bottom())
            return;
        pixels_[x + stride_ * y] = colour_;
    }
    bool inside(double x, double y) const {
        return x >= xmin_ && x <= xmax_ && y >= ymin_ && y <= ymax_;
    }
    bool clipLine(double &x1, double &y1, double &x2, double &y2);
    bool clipAlong(double &a1, double &b1, double &a2, double &b2, double lo, double hi);
    void calculateLastPoint(double rx1, double ry1, double rx2, double ry2);
    bool drawLine(double rx1, double ry1, double rx2, double ry2, int caps);
    template <bool Steep> bool drawRun(int a1, int b1, int a2, int b2, int caps, Pixel &last);

    quint32 *pixels_;
    qsizetype stride_;
    QRect clip_;
    quint32 colour_;
    double xmin_, xmax_, ymin_, ymax_;
    int lastDir_ = NoDirection;
    Pixel lastPixel_{INT_MIN, INT_MIN};
    bool lastAxisAligned_ = false;
};

// Cuts the line to the picture's bounds; true when nothing of it is left.
bool Stroker::clipLine(double &x1, double &y1, double &x2, double &y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
        clipAlong(x1, y1, x2, y2, xmin_, xmax_) || clipAlong(y1, x1, y2, x2, ymin_, ymax_)) {
        lastPixel_.x = INT_MIN;
        return true;
    }
    return false;
}

// Cuts the line to [lo, hi] along one axis, `a` its coordinates along that axis and `b`
// across it; true when nothing of it is left. An end cut off ends the run of joined pixels.
bool Stroker::clipAlong(double &a1, double &b1, double &a2, double &b2, double lo, double hi) {
    if (a1 < lo) {
        if (a2 <= lo)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (lo - a1);
        a1 = lo;
    } else if (a1 > hi) {
        if (a2 >= hi)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (hi - a1);
        a1 = hi;
    }
    if (a2 < lo) {
        lastPixel_.x = INT_MIN;
        b2 += (b2 - b1) / (a2 - a1) * (lo - a2);
        a2 = lo;
    } else if (a2 > hi) {
        lastPixel_.x = INT_MIN;
        b2 += (b2 - b1) / (a2 - a1) * (hi - a2);
        a2 = hi;
    }
    return false;
}

// For a closed polyline: the direction and last pixel of its closing segment, so that its
// first segment joins it without a gap or a doubled pixel.
void Stroker::calculateLastPoint(double rx1, double ry1, double rx2, double ry2) {
    lastPixel_ = {INT_MIN, INT_MIN};
    if (clipLine(rx1, ry1, rx2, ry2))
        return;

    int x1 = toF26Dot6(rx1);
    int y1 = toF26Dot6(ry1);
    int x2 = toF26Dot6(rx2);
    int y2 = toF26Dot6(ry2);
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);

    if (dx < dy) {
        bool swapped = false;
        if (y1 > y2) {
            swapped = true;
            std::swap(y1, y2);
            std::swap(x1, x2);
        }
        const Fixed xinc = fixedDiv(x2 - x1, y2 - y1);
        Fixed x = Fixed(x1) * (1 << 10);
        const int y = (y1 + 32) >> 6;
        const int ys = (y2 + 32) >> 6;
        const int round = (xinc > 0) ? 32 : 0;
        if (y != ys) {
            x += ((y * (1 << 6)) + round - y1) * xinc >> 6;
            if (swapped) {
                lastPixel_ = {int(x >> 16), y};
                lastDir_ = BottomToTop;
            } else {
                lastPixel_ = {int((x + (ys - y - 1) * xinc) >> 16), ys - 1};
                lastDir_ = TopToBottom;
            }
            lastAxisAligned_ = std::abs(xinc) < (1 << 14);
        }
    } else {
        if (!dx)
            return;
        bool swapped = false;
        if (x1 > x2) {
            swapped = true;
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const Fixed yinc = fixedDiv(y2 - y1, x2 - x1);
        Fixed y = Fixed(y1) * (1 << 10);
        const int x = (x1 + 32) >> 6;
        const int xs = (x2 + 32) >> 6;
        const int round = (yinc > 0) ? 32 : 0;
        if (x != xs) {
            y += ((x * (1 << 6)) + round - x1) * yinc >> 6;
            if (swapped) {
                lastPixel_ = {x, int(y >> 16)};
                lastDir_ = RightToLeft;
            } else {
                lastPixel_ = {xs - 1, int((y + (xs - x - 1) * yinc) >> 16)};
                lastDir_ = LeftToRight;
            }
            lastAxisAligned_ = std::abs(yinc) < (1 << 14);
        }
    }
}

// One segment, joined to the one before through the last pixel and direction: a pixel both
// would set is set once, a pixel missing at a turn is added. Returns whether the segment moved
// the pen (false for a step shorter than a pixel that set nothing).
bool Stroker::drawLine(double rx1, double ry1, double rx2, double ry2, int caps) {
    bool didDraw = std::abs(rx2 - rx1) + std::abs(ry2 - ry1) >= 1.0;

    // A line inside the bounds (the usual case) is left as it is: nothing to cut.
    if (!(inside(rx1, ry1) && inside(rx2, ry2)) && clipLine(rx1, ry1, rx2, ry2))
        return true;

    const int x1 = toF26Dot6(rx1);
    const int y1 = toF26Dot6(ry1);
    const int x2 = toF26Dot6(rx2);
    const int y2 = toF26Dot6(ry2);
    Pixel last = lastPixel_;
    if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
        didDraw |= drawRun<true>(y1, x1, y2, x2, caps, last); // steep: one pixel a row
    } else {
        if (x2 == x1)
            return true;
        didDraw |= drawRun<false>(x1, y1, x2, y2, caps, last); // flat: one pixel a column
    }
    lastPixel_ = last;
    return didDraw;
}

// The segment from (a1, b1) to (a2, b2) in 26.6 fixed point, `a` along its longer axis (y for a
// steep segment, x for a flat one) and `b` across it: one pixel for each step along. Leaves in
// `last` the pixel it ends on; returns whether it set any.
template <bool Steep> bool Stroker::drawRun(int a1, int b1, int a2, int b2, int caps, Pixel &last) {
    const auto pixelAt = [](int along, int across) {
        return Steep ? Pixel{across, along} : Pixel{along, across};
    };
    const auto alongOf = [](const Pixel &p) { return Steep ? p.y : p.x; };
    int dir = Steep ? TopToBottom : LeftToRight;
    bool swapped = false;
    if (a1 > a2) {
        swapped = true;
        std::swap(a1, a2);
        std::swap(b1, b2);
        caps = swapCaps(caps);
        dir = Steep ? BottomToTop : RightToLeft;
    }
    const Fixed inc = fixedDiv(b2 - b1, a2 - a1);
    Fixed b = Fixed(b1) * (1 << 10);

    if ((lastDir_ ^ (Steep ? VerticalMask : HorizontalMask)) == dir)
        caps |= swapped ? CapEnd : CapBegin;

    capAdjust(caps, a1, a2, b, inc);

    int a = (a1 + 32) >> 6;
    int as = (a2 + 32) >> 6;
    const int round = (inc > 0) ? 32 : 0;

    // The cap may round away from the pixel the closing segment ended on: back to it.
    if ((caps & CapBegin) && alongOf(lastPixel_) == a + 1)
        a++;

    if (a == as)
        return false;
    b += ((a * (1 << 6)) + round - a1) * inc >> 6;

    Pixel first = pixelAt(a, int(b >> 16));
    last = pixelAt(as - 1, int((b + (as - a - 1) * inc) >> 16));
    if (swapped)
        std::swap(first, last);

    const bool axisAligned = std::abs(inc) < (1 << 14);
    if (lastPixel_.x > INT_MIN) {
        if (first.x == lastPixel_.x && first.y == lastPixel_.y) {
            // the pixel the segment before set: not again
            if (swapped) {
                --as;
            } else {
                ++a;
                b += inc;
            }
        } else if (lastDir_ != dir && (((axisAligned && lastAxisAligned_) &&
                                        lastPixel_.x != first.x && lastPixel_.y != first.y) ||
                                       (std::abs(lastPixel_.x - first.x) > 1 ||
                                        std::abs(lastPixel_.y - first.y) > 1))) {
            // a gap at the turn: one pixel more
            if (swapped) {
                ++as;
            } else {
                --a;
                b -= inc;
            }
        } else if (lastDir_ == dir && ((std::abs(lastPixel_.x - first.x) <= 1 &&
                                        std::abs(lastPixel_.y - first.y) > 1))) {
            // (in x and y whichever way the segment runs, as in Qt)
            b += inc >> 1;
            const int across = swapped ? int(b >> 16) : int((b + (as - a - 1) * inc) >> 16);
            (Steep ? last.x : last.y) = across;
        }
    }
    lastDir_ = dir;
    lastAxisAligned_ = axisAligned;

    do {
        const Pixel p = pixelAt(a, int(b >> 16));
        set(p.x, p.y);
        b += inc;
    } while (++a < as);
    return true;
}

void Stroker::polyline(const QPointF *points, qsizetype count, QPointF offset, bool drawCaps) {
    const QPointF *end = points + count;
    QPointF p = points[0] + offset;
    // exactly equal (QPointF's == allows a rounding error)
    const bool closed = points[0].x() == end[-1].x() && points[0].y() == end[-1].y();
    int caps = (!closed && drawCaps) ? CapBegin : NoCaps;
    if (closed) {
        const QPointF before = (count > 2 ? end[-2] : end[-1]) + offset;
        calculateLastPoint(before.x(), before.y(), p.x(), p.y());
    }
    for (const QPointF *q = points + 1; q < end; ++q) {
        const QPointF p2 = *q + offset;
        if (!closed && drawCaps && q == end - 1)
            caps |= CapEnd;
        const bool moved = drawLine(p.x(), p.y(), p2.x(), p2.y(), caps);
        // A point a step too short to set a pixel is passed over: the next segment starts
        // from the last point that set one, so that runs of tiny steps leave no gaps.
        if (moved || q == points + 1 || q == end - 1)
            p = p2;
        caps = NoCaps;
    }
}

} // namespace

void draw(const Target &target, quint32 colour, QPointF offset, const QPointF *points,
          qsizetype count, bool caps) {
    if (count < 2 || !target.pixels)
        return;
    Stroker(target, colour).polyline(points, count, offset, caps);
}

namespace {

// The rectangle the raster engine clips to for a rectangle clip: its corners mapped to the
// picture and rounded, the right and bottom edges exclusive.
QRect deviceClip(const QRectF &rect, const QTransform &toDevice) {
    const QPoint a = toDevice.map(rect.topLeft()).toPoint();
    const QPoint b = toDevice.map(rect.bottomRight()).toPoint();
    return QRect::span(a, b).adjusted(0, 0, -1, -1);
}

// Pictures larger than this are drawn by Qt, whose coordinates are bounded there.
constexpr int kLargestSide = 32767;

} // namespace

bool drawWith(QPainter &painter, const QPointF *points, qsizetype count) {
    QPaintDevice *device = painter.device();
    QPaintEngine *engine = painter.paintEngine();
    if (!device || !engine || device->devType() != QInternal::Image ||
        engine->type() != QPaintEngine::Raster || engine->paintDevice() != device ||
        !engine->systemClip().isEmpty())
        return false;
    auto *image = static_cast<QImage *>(device);
    if ((image->format() != QImage::Format_RGB32 &&
         image->format() != QImage::Format_ARGB32_Premultiplied) ||
        image->width() > kLargestSide || image->height() > kLargestSide)
        return false;
    const QTransform toDevice = painter.deviceTransform();
    const QPen &pen = painter.pen();
    if (painter.testRenderHint(QPainter::Antialiasing) ||
        toDevice.type() > QTransform::TxTranslate || pen.style() != Qt::SolidLine ||
        pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255 ||
        (pen.widthF() != 0 && pen.widthF() != 1) ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.opacity() != 1.0)
        return false;

    Target target;
    target.width = image->width();
    target.height = image->height();
    target.stride = image->bytesPerLine() / 4;
    target.clip = QRect(0, 0, target.width, target.height);
    if (painter.hasClipping()) {
        const QRegion region = painter.clipRegion();
        if (region.rectCount() > 1)
            return false; // a clip of several rectangles: Qt's own span clipping
        if (region.isEmpty())
            return true; // everything clipped away: nothing to set
        target.clip &= deviceClip(painter.clipBoundingRect(), toDevice);
    }
    if (count < 2)
        return true;
    // The pixels the painter itself writes into, without detaching a shared picture.
    target.pixels = reinterpret_cast<quint32 *>(const_cast<uchar *>(image->constBits()));
    draw(target, pen.color().rgba64().toArgb32(), QPointF(toDevice.dx(), toDevice.dy()), points,
         count, pen.capStyle() != Qt::FlatCap);
    return true;
}

} // namespace PixelPolyline
