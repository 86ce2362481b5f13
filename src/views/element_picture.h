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
class ElementPictureBase {
public:
    // Whether `painter` draws into a buffer where a kept picture may stand in for the drawing:
    // an opaque image at one device pixel a pixel, neither scaled nor turned, with
    // QCustomPlot's caching allowed (exports forbid it).
    static bool canKeep(const QCPPainter &painter);

protected:
    // Draws the element over `area`, its own rectangle, which holds nothing but paper of the
    // colour `paper`: a copy of the picture kept unless `lookChanged` or the area's size, the
    // paper or the painter's way of drawing changed, else by `draw` into a new picture,
    // which is kept. `draw` draws in the chart's coordinates.
    void paintPicture(QCPPainter &painter, const QRect &area, const QColor &paper, bool lookChanged,
                      const std::function<void(QCPPainter &)> &draw);

private:
    QColor paper_;
    QPointF shift_;
    QPainter::RenderHints hints_;
    QRect area_;
    QImage picture_;
};

// `Look` holds everything the element's drawing depends on besides its place (compared with
// ==, a std::tuple of the element's texts, fonts, colours and pens, say).
template <typename Look> class ElementPicture : public ElementPictureBase {
public:
    void paint(QCPPainter &painter, const QRect &area, const QColor &paper, const Look &look,
               const std::function<void(QCPPainter &)> &draw) {
        const bool changed = !look_ || !(*look_ == look);
        if (changed)
            look_ = look;
        paintPicture(painter, area, paper, changed, draw);
    }

private:
    std::optional<Look> look_;
};
