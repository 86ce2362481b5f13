#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>
#include <optional>

class QCPPainter;

// The picture of a chart element that looks the same from one redraw to the next (a caption,
// a legend entry), kept so that a redraw copies its pixels instead of laying out and drawing
// its text again. The element is drawn once into an image of its own rectangle filled with the
// paper it stands on, by the very drawing it would do on the chart moved by whole pixels, so
// the copy has the pixels that drawing gives. Only for the screen's buffer: an export, a
// printout or a scaled drawing is drawn as ever.
class ElementPicture {
public:
    // Whether `painter` draws into a buffer where a kept picture may stand in for the drawing:
    // an opaque image at one device pixel a pixel, neither scaled nor turned, with
    // QCustomPlot's caching allowed (exports forbid it).
    static bool canKeep(const QCPPainter &painter);

    // Draws the element over `area`, its own rectangle, which holds nothing but paper of the
    // colour `paper`: a copy of the picture kept when `look` (everything the drawing depends
    // on besides the place) and the area's size are as before, else by `draw` into a new
    // picture, which is kept. `draw` draws in the chart's coordinates.
    void paint(QCPPainter &painter, const QRect &area, const QColor &paper, const QByteArray &look,
               const std::function<void(QCPPainter &)> &draw);

private:
    QByteArray look_;
    QColor paper_;
    QPointF shift_;
    QPainter::RenderHints hints_;
    QRect area_;
    QImage picture_;
};
