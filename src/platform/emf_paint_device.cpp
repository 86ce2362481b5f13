#include "emf_paint_device.h"

#include "emf_paint_engine.h"

EmfPaintDevice::EmfPaintDevice(const QString &path, const QSize &sizeInPixels, int dotsPerInch)
    : path_(path), size_(sizeInPixels.expandedTo(QSize(1, 1))), dpi_(qMax(1, dotsPerInch)),
      engine_(std::make_unique<EmfPaintEngine>()) {}

EmfPaintDevice::~EmfPaintDevice() = default;

void EmfPaintDevice::setDescription(const QString &application, const QString &title) {
    application_ = application;
    title_ = title;
}

QPaintEngine *EmfPaintDevice::paintEngine() const {
    return engine_.get();
}

void EmfPaintDevice::setOutcome(bool saved, const QString &error) {
    saved_ = saved;
    error_ = error;
}

int EmfPaintDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return qRound(size_.width() * 25.4 / dpi_);
    case PdmHeightMM:
        return qRound(size_.height() * 25.4 / dpi_);
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}
