#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

class EmfPaintEngine;

// A paint device whose picture becomes an enhanced metafile (".emf"): what a QPainter draws
// on it (lines, polylines, filled rectangles, polygons and paths, text, small images) is
// recorded as GDI calls, and QPainter::end() writes the file through SafeFile, so a failed
// write leaves the old file whole. end() returns false when the file was not written;
// errorString() tells why.
//
// The device is sizeInPixels large at dotsPerInch, which fixes the physical size of the
// picture and the pixel size of fonts given in points. Transformations are applied by the
// device; text keeps its rotation. Clipping is reduced to the bounding rectangle of the
// clip. Partly transparent colours are drawn as if over white.
//
// A QCustomPlot chart is drawn with QCPPainter modes pmVectorized and pmNoCaching, so that
// its tick labels arrive as text rather than cached pixmaps.
class EmfPaintDevice : public QPaintDevice {
public:
    EmfPaintDevice(const QString &path, const QSize &sizeInPixels, int dotsPerInch = 96);
    ~EmfPaintDevice() override;

    // The metafile's description: the program and the picture's title.
    void setDescription(const QString &application, const QString &title);

    QPaintEngine *paintEngine() const override;

    const QString &path() const { return path_; }
    QSize sizeInPixels() const { return size_; }
    int dotsPerInch() const { return dpi_; }
    const QString &application() const { return application_; }
    const QString &title() const { return title_; }

    // The outcome of the last painting; set when the painter ends.
    bool saved() const { return saved_; }
    const QString &errorString() const { return error_; }
    void setOutcome(bool saved, const QString &error);

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QString path_;
    QSize size_;
    int dpi_;
    QString application_;
    QString title_;
    bool saved_ = false;
    QString error_;
    std::unique_ptr<EmfPaintEngine> engine_;
};
