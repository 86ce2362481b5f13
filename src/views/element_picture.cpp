#include "element_picture.h"

#include "qcustomplot.h"

#include <cmath>

bool ElementPictureBase::canKeep(const QCPPainter &painter) {
    if (painter.modes() & (QCPPainter::pmNoCaching | QCPPainter::pmVectorized))
        return false;
    const QPaintDevice *device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return false;
    const auto *image = static_cast<const QImage *>(device);
    if (image->format() != QImage::Format_RGB32 || image->devicePixelRatio() != 1.0)
        return false;
    return painter.transform().type() <= QTransform::TxTranslate;
}

void ElementPictureBase::paintPicture(QCPPainter &painter, const QRect &area, const QColor &paper,
                                      bool lookChanged,
                                      const std::function<void(QCPPainter &)> &draw) {
    if (area.isEmpty())
        return;
    // The drawing's place within its pixels, and how it is drawn, belong to its look too.
    const QTransform &moved = painter.transform();
    const QPointF shift(moved.dx() - std::floor(moved.dx()), moved.dy() - std::floor(moved.dy()));
    const QPainter::RenderHints hints = painter.renderHints();
    if (picture_.isNull() || lookChanged || paper != paper_ || area.size() != area_.size() ||
        shift != shift_ || hints != hints_) {
        picture_ = QImage(area.size(), QImage::Format_RGB32);
        picture_.fill(paper);
        // The painter as the element finds it, moved by the area's corner: QCustomPlot's
        // half-pixel shift of antialiased drawing and its hints kept as they are.
        QCPPainter on(&picture_);
        on.setModes(painter.modes());
        on.setAntialiasing(painter.antialiasing());
        on.setRenderHints(hints);
        on.setTransform(
            QTransform::fromTranslate(moved.dx() - area.left(), moved.dy() - area.top()));
        draw(on);
        on.end();
        paper_ = paper;
        shift_ = shift;
        hints_ = hints;
    }
    area_ = area;
    // The copy goes to the pixels the picture stands for, which is where the drawing lands:
    // counted without QCustomPlot's half-pixel shift, and only as far as the clip reaches.
    painter.save();
    painter.resetTransform();
    const QRect reached =
        painter.hasClipping() ? area & painter.clipBoundingRect().toAlignedRect() : area;
    if (!reached.isEmpty())
        painter.drawImage(reached.topLeft(), picture_, reached.translated(-area.topLeft()));
    painter.restore();
}
