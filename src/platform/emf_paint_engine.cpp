#include "emf_paint_engine.h"

#include "emf_paint_device.h"
#include "safe_file.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <QtMath>

#include <cmath>

namespace {

// Images have no record in libEMF; they are drawn as rectangles of colour, at most this
// many cells, which keeps a logo recognisable and the file small.
constexpr int MaxImageCells = 128 * 128;

// Far-off coordinates are pulled in so that the units stay well inside 32 bits.
constexpr qreal MaxCoordinate = 1 << 24;

QPoint toUnits(const QPointF &pixel) {
    const auto unit = [](qreal v) {
        return qRound(qBound(-MaxCoordinate, v, MaxCoordinate) * EmfPaintEngine::UnitsPerPixel);
    };
    return QPoint(unit(pixel.x()), unit(pixel.y()));
}

QPolygon toUnits(const QPolygonF &pixels) {
    QPolygon units(pixels.size());
    for (qsizetype i = 0; i < pixels.size(); ++i)
        units[i] = toUnits(pixels[i]);
    return units;
}

QColor brushColour(const QBrush &brush) {
    if (brush.style() == Qt::NoBrush)
        return QColor();
    const QGradient *gradient = brush.gradient();
    if (gradient && !gradient->stops().isEmpty())
        return gradient->stops().constFirst().second;
    return brush.color();
}

// How far the transformation stretches a unit step along x and along y.
qreal stretch(const QTransform &matrix, qreal dx, qreal dy) {
    return QLineF(matrix.map(QPointF(0, 0)), matrix.map(QPointF(dx, dy))).length();
}

// One clipped segment, or nothing when it misses the rectangle.
std::optional<QLineF> clipSegment(const QPointF &a, const QPointF &b, const QRectF &clip) {
    const qreal dx = b.x() - a.x();
    const qreal dy = b.y() - a.y();
    qreal enter = 0, leave = 1;
    const qreal p[4] = {-dx, dx, -dy, dy};
    const qreal q[4] = {a.x() - clip.left(), clip.right() - a.x(), a.y() - clip.top(),
                        clip.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0)
            enter = qMax(enter, t);
        else
            leave = qMin(leave, t);
        if (enter > leave)
            return std::nullopt;
    }
    // Ends inside the rectangle stay exactly as given.
    const QPointF start = enter > 0 ? QPointF(a.x() + enter * dx, a.y() + enter * dy) : a;
    const QPointF end = leave < 1 ? QPointF(a.x() + leave * dx, a.y() + leave * dy) : b;
    return QLineF(start, end);
}

} // namespace

EmfPaintEngine::EmfPaintEngine() : QPaintEngine(AllFeatures) {}

QList<QPolygonF> EmfPaintEngine::clipPolyline(const QPolygonF &polyline, const QRectF &clip) {
    QList<QPolygonF> pieces;
    QPolygonF piece;
    for (qsizetype i = 1; i < polyline.size(); ++i) {
        const auto segment = clipSegment(polyline[i - 1], polyline[i], clip);
        if (!segment) {
            if (piece.size() > 1)
                pieces.append(piece);
            piece.clear();
            continue;
        }
        if (!piece.isEmpty() && piece.constLast() != segment->p1()) {
            pieces.append(piece);
            piece.clear();
        }
        if (piece.isEmpty())
            piece.append(segment->p1());
        piece.append(segment->p2());
    }
    if (piece.size() > 1)
        pieces.append(piece);
    return pieces;
}

bool EmfPaintEngine::begin(QPaintDevice *device) {
    device_ = static_cast<EmfPaintDevice *>(device);
    matrix_ = QTransform();
    pen_ = QPen();
    brush_ = QBrush();
    opacity_ = 1.0;
    clip_.reset();
    const QSize pixels = device_->sizeInPixels();
    const QSize hundredthsOfMm(int(qint64(pixels.width()) * 2540 / device_->dotsPerInch()),
                               int(qint64(pixels.height()) * 2540 / device_->dotsPerInch()));
    QString error;
    const bool started = writer_.begin(pixels * UnitsPerPixel, hundredthsOfMm,
                                       device_->application(), device_->title(), error);
    device_->setOutcome(false, error);
    return started;
}

bool EmfPaintEngine::end() {
    QString error;
    const QByteArray bytes = writer_.finish(error);
    if (bytes.isEmpty()) {
        device_->setOutcome(false, error);
        return false;
    }
    const SafeFile::WriteResult written = SafeFile::write(device_->path(), bytes);
    device_->setOutcome(written.ok, written.error);
    return written.ok;
}

void EmfPaintEngine::updateState(const QPaintEngineState &state) {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyTransform)
        matrix_ = state.transform();
    if (dirty & DirtyPen)
        pen_ = state.pen();
    if (dirty & DirtyBrush)
        brush_ = state.brush();
    if (dirty & DirtyFont)
        font_ = state.font();
    if (dirty & DirtyOpacity)
        opacity_ = state.opacity();
    if (dirty & (DirtyClipPath | DirtyClipRegion)) {
        // The clip is given in the coordinates in force when it is set.
        const QRectF area = (dirty & DirtyClipPath)
                                ? matrix_.map(state.clipPath()).boundingRect()
                                : matrix_.mapRect(QRectF(state.clipRegion().boundingRect()));
        switch (state.clipOperation()) {
        case Qt::NoClip:
            clip_.reset();
            break;
        case Qt::ReplaceClip:
            clip_ = area;
            break;
        case Qt::IntersectClip:
            clip_ = clip_ ? clip_->intersected(area) : area;
            break;
        }
    }
    if ((dirty & DirtyClipEnabled) && !state.isClipEnabled())
        clip_.reset();
}

// GDI has no transparency: a partly transparent colour is mixed with white, a fully
// transparent one is not drawn at all (invalid colour).
QColor EmfPaintEngine::visible(const QColor &colour) const {
    if (!colour.isValid())
        return colour;
    const qreal alpha = colour.alphaF() * opacity_;
    if (alpha <= 0)
        return QColor();
    const auto mix = [alpha](int channel) { return qRound(channel * alpha + 255 * (1 - alpha)); };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

void EmfPaintEngine::applyPen() {
    const QColor colour = visible(brushColour(pen_.brush()));
    if (pen_.style() == Qt::NoPen || !colour.isValid()) {
        writer_.setPen({QColor(), 0, Qt::NoPen});
        return;
    }
    qreal width = pen_.widthF();
    if (!pen_.isCosmetic())
        width *= std::sqrt(std::abs(matrix_.determinant()));
    // A zero width is the viewer's thinnest line; GDI draws dashes only on such thin pens.
    const bool thin = pen_.widthF() == 0 || (pen_.style() != Qt::SolidLine && width <= 1.5);
    writer_.setPen({colour, thin ? 0 : qMax(1, qRound(width * UnitsPerPixel)), pen_.style()});
}

void EmfPaintEngine::fill(const QList<QPolygonF> &polygons, Qt::FillRule rule) {
    const QColor colour = visible(brushColour(brush_));
    if (!colour.isValid() || polygons.isEmpty())
        return;
    QList<QPolygon> units;
    if (clip_) {
        QPainterPath area;
        area.setFillRule(rule);
        for (const QPolygonF &polygon : polygons)
            area.addPolygon(polygon);
        if (!clip_->contains(area.boundingRect())) {
            QPainterPath window;
            window.addRect(*clip_);
            area = area.intersected(window);
        }
        for (const QPolygonF &polygon : area.toSubpathPolygons())
            units.append(toUnits(polygon));
    } else {
        for (const QPolygonF &polygon : polygons)
            units.append(toUnits(polygon));
    }
    writer_.setPen({QColor(), 0, Qt::NoPen});
    writer_.setBrush(colour);
    writer_.setFillRule(rule);
    writer_.polyPolygon(units);
}

void EmfPaintEngine::stroke(const QPolygonF &polyline) {
    applyPen();
    if (pen_.style() == Qt::NoPen || polyline.size() < 2)
        return;
    if (clip_ && !clip_->contains(polyline.boundingRect())) {
        for (const QPolygonF &piece : clipPolyline(polyline, *clip_))
            writer_.polyline(toUnits(piece));
        return;
    }
    writer_.polyline(toUnits(polyline));
}

// An unclipped shape is one polygon record with the outline; a clipped one is filled
// inside the clip and its own edges are stroked, so the clip's edges get no outline.
void EmfPaintEngine::fillAndOutline(const QPolygonF &polygon, Qt::FillRule rule) {
    if (polygon.size() < 2)
        return;
    if (!clip_ || clip_->contains(polygon.boundingRect())) {
        applyPen();
        writer_.setBrush(visible(brushColour(brush_)));
        writer_.setFillRule(rule);
        QPolygonF open = polygon;
        if (open.size() > 3 && open.isClosed())
            open.removeLast(); // a polygon record closes itself
        writer_.polygon(toUnits(open));
        return;
    }
    fill({polygon}, rule);
    QPolygonF outline = polygon;
    if (!outline.isClosed())
        outline.append(outline.constFirst());
    stroke(outline);
}

void EmfPaintEngine::drawLines(const QLineF *lines, int lineCount) {
    for (int i = 0; i < lineCount; ++i)
        stroke(QPolygonF{matrix_.map(lines[i].p1()), matrix_.map(lines[i].p2())});
}

void EmfPaintEngine::drawRects(const QRectF *rects, int rectCount) {
    for (int i = 0; i < rectCount; ++i)
        fillAndOutline(matrix_.map(QPolygonF(rects[i])), Qt::OddEvenFill);
}

void EmfPaintEngine::drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) {
    const QPolygonF polygon = matrix_.map(QPolygonF(QList<QPointF>(points, points + pointCount)));
    if (mode == PolylineMode)
        stroke(polygon);
    else
        fillAndOutline(polygon, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
}

void EmfPaintEngine::drawPath(const QPainterPath &path) {
    const QList<QPolygonF> subpaths = path.toSubpathPolygons(matrix_);
    fill(subpaths, path.fillRule());
    for (const QPolygonF &subpath : subpaths)
        stroke(subpath);
}

void EmfPaintEngine::drawTextItem(const QPointF &p, const QTextItem &textItem) {
    const QString text = textItem.text();
    const QColor colour = visible(brushColour(pen_.brush()));
    const QPointF origin = matrix_.map(p);
    if (text.isEmpty() || pen_.style() == Qt::NoPen || !colour.isValid() ||
        (clip_ && !clip_->contains(origin)))
        return;
    const QFont font = textItem.font();
    const qreal pixelSize =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * device_->dotsPerInch() / 72.0;
    const qreal along = stretch(matrix_, 1, 0);
    const qreal across = stretch(matrix_, 0, 1);
    const qreal degrees = qRadiansToDegrees(std::atan2(matrix_.m12(), matrix_.m11()));
    // Qt turns clockwise on screen, GDI's escapement anticlockwise.
    int escapement = qRound(-degrees * 10) % 3600;
    if (escapement < 0)
        escapement += 3600;

    // Each character's advance comes from Qt's layout, so a viewer with another font
    // keeps the positions; a surrogate pair advances on its first half.
    const QFontMetricsF metrics(font, device_);
    QList<int> advances(text.size(), 0);
    int placed = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype next = i + 1;
        if (text.at(i).isHighSurrogate() && next < text.size())
            ++next;
        const int end = qRound(metrics.horizontalAdvance(text.left(next)) * along * UnitsPerPixel);
        advances[i] = end - placed;
        placed = end;
        i = next - 1;
    }
    writer_.setFont({font.family(), qMax(1, qRound(pixelSize * across * UnitsPerPixel)),
                     font.weight(), font.italic(), escapement});
    writer_.setTextColour(colour);
    writer_.text(toUnits(origin), text, advances);
}

void EmfPaintEngine::drawPixmap(const QRectF &r, const QPixmap &pm, const QRectF &sr) {
    drawImage(r, pm.toImage(), sr);
}

void EmfPaintEngine::fillCell(const QRectF &cell, const QColor &colour) {
    const QPolygonF polygon = matrix_.map(QPolygonF(cell));
    const QColor shown = visible(colour);
    if (!shown.isValid())
        return;
    writer_.setPen({QColor(), 0, Qt::NoPen});
    writer_.setBrush(shown);
    writer_.polygon(toUnits(polygon));
}

void EmfPaintEngine::drawImage(const QRectF &r, const QImage &image, const QRectF &sr,
                               Qt::ImageConversionFlags) {
    QImage source = image.copy(sr.toAlignedRect()).convertToFormat(QImage::Format_ARGB32);
    if (source.isNull() || r.isEmpty())
        return;
    const qreal cells = qreal(source.width()) * source.height();
    if (cells > MaxImageCells) {
        const qreal shrink = std::sqrt(MaxImageCells / cells);
        source = source.scaled(qMax(1, int(source.width() * shrink)),
                               qMax(1, int(source.height() * shrink)), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
    }
    const qreal cellWidth = r.width() / source.width();
    const qreal cellHeight = r.height() / source.height();
    // One rectangle for each run of equal pixels in a row.
    for (int y = 0; y < source.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        int start = 0;
        for (int x = 1; x <= source.width(); ++x) {
            if (x < source.width() && row[x] == row[start])
                continue;
            fillCell(QRectF(r.x() + start * cellWidth, r.y() + y * cellHeight,
                            (x - start) * cellWidth, cellHeight),
                     QColor::fromRgba(row[start]));
            start = x;
        }
    }
}
