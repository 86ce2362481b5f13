#pragma once

#include "emf_writer.h"

#include <QBrush>
#include <QFont>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <optional>

class EmfPaintDevice;

// The paint engine behind EmfPaintDevice: turns what QPainter asks for into the
// EmfWriter's GDI calls. Coordinates are mapped through the painter's transformation here
// and recorded in units of 1/UnitsPerPixel of a device pixel, so that fractional positions
// survive. Used only through EmfPaintDevice.
class EmfPaintEngine : public QPaintEngine {
public:
    static constexpr int UnitsPerPixel = 8;

    EmfPaintEngine();

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;

    void drawLines(const QLineF *lines, int lineCount) override;
    void drawRects(const QRectF *rects, int rectCount) override;
    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override;
    void drawPath(const QPainterPath &path) override;
    void drawTextItem(const QPointF &p, const QTextItem &textItem) override;
    void drawPixmap(const QRectF &r, const QPixmap &pm, const QRectF &sr) override;
    void drawImage(const QRectF &r, const QImage &image, const QRectF &sr,
                   Qt::ImageConversionFlags flags = Qt::AutoColor) override;
    Type type() const override { return User; }

    // The pieces of a device-pixel polyline inside clip (Liang-Barsky on each segment).
    static QList<QPolygonF> clipPolyline(const QPolygonF &polyline, const QRectF &clip);

private:
    QColor visible(const QColor &colour) const;
    void applyPen();
    // Fills a device-pixel polygon with the brush, no outline.
    void fill(const QList<QPolygonF> &polygons, Qt::FillRule rule);
    // Strokes a device-pixel polyline with the pen.
    void stroke(const QPolygonF &polyline);
    void fillAndOutline(const QPolygonF &polygon, Qt::FillRule rule);
    void fillCell(const QRectF &cell, const QColor &colour);

    EmfPaintDevice *device_ = nullptr;
    EmfWriter writer_;
    QTransform matrix_;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    qreal opacity_ = 1.0;
    std::optional<QRectF> clip_; // device pixels
};
