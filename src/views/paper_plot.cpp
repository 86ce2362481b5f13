#include "paper_plot.h"

namespace {

// QCustomPlot's buffer held as an image in memory instead of a pixmap, cleared to the chart's
// paper where the chart has opaque paper. On the raster platforms a pixmap is such an image
// too, so the chart reaches the screen the same way, but only an image lets the line bundle set
// its one-pixel lines straight into the pixels. Opaque paper gives an image without an alpha
// channel (what a pixmap filled with an opaque colour keeps, and what the window system copies
// fastest); otherwise the image is premultiplied ARGB32, cleared as QCustomPlot clears it.
class PaperBuffer : public QCPAbstractPaintBuffer {
public:
    PaperBuffer(const PaperPlot &plot, const QSize &size, double devicePixelRatio)
        : QCPAbstractPaintBuffer(size, devicePixelRatio), plot_(plot) {
        PaperBuffer::reallocateBuffer();
    }

    QCPPainter *startPainting() override { return new QCPPainter(&buffer_); }

    void draw(QCPPainter *painter) const override {
        if (painter && painter->isActive())
            painter->drawImage(0, 0, buffer_);
    }

    void clear(const QColor &color) override {
        const bool opaque = plot_.hasOpaquePaper();
        const QImage::Format format = formatFor(opaque);
        if (buffer_.format() != format)
            allocate(format);
        buffer_.fill(opaque ? plot_.paper() : color);
    }

protected:
    void reallocateBuffer() override {
        setInvalidated();
        allocate(formatFor(plot_.hasOpaquePaper()));
    }

private:
    static QImage::Format formatFor(bool opaque) {
        return opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    }

    void allocate(QImage::Format format) {
        if (qFuzzyCompare(1.0, mDevicePixelRatio)) {
            buffer_ = QImage(mSize, format);
            return;
        }
        buffer_ = QImage(mSize * mDevicePixelRatio, format);
        buffer_.setDevicePixelRatio(mDevicePixelRatio);
    }

    const PaperPlot &plot_;
    QImage buffer_;
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
