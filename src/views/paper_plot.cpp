#include "paper_plot.h"

namespace {

// QCustomPlot's pixmap buffer, cleared to the chart's paper where the chart has opaque paper.
// A pixmap filled with an opaque colour only keeps the display's own format without an alpha
// channel, which is what the window system copies fastest.
class PaperBuffer : public QCPPaintBufferPixmap {
public:
    PaperBuffer(const PaperPlot &plot, const QSize &size, double devicePixelRatio)
        : QCPPaintBufferPixmap(size, devicePixelRatio), plot_(plot) {}

    void clear(const QColor &color) override {
        if (!plot_.hasOpaquePaper()) {
            QCPPaintBufferPixmap::clear(color);
            return;
        }
        if (mBuffer.hasAlphaChannel())
            reallocateBuffer(); // transparent once before: back to a pixmap without alpha
        mBuffer.fill(plot_.paper());
    }

private:
    const PaperPlot &plot_;
};

} // namespace

PaperPlot::PaperPlot(QWidget *parent) : QCustomPlot(parent) {
    // The first buffer holds every layer up to the first buffered one (the overlay, unless it
    // is made logical); QCustomPlot creates its own only where none is there yet.
    mPaintBuffers.append(QSharedPointer<QCPAbstractPaintBuffer>(
        new PaperBuffer(*this, viewport().size(), bufferDevicePixelRatio())));
}

bool PaperPlot::hasOpaquePaper() const {
    const QBrush &brush = mBackgroundBrush;
    return brush.style() == Qt::SolidPattern && brush.color().alpha() == 255 &&
           mBackgroundPixmap.isNull();
}

void PaperPlot::paintEvent(QPaintEvent *event) {
    if (!hasOpaquePaper()) {
        QCustomPlot::paintEvent(event);
        return;
    }
    // The first buffer covers the whole chart with its paper: nothing to fill beneath it.
    QCPPainter painter(this);
    if (!painter.isActive())
        return;
    for (const QSharedPointer<QCPAbstractPaintBuffer> &buffer : std::as_const(mPaintBuffers))
        buffer->draw(&painter);
}
