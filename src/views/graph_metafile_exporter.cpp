#include "graph_metafile_exporter.h"

#include "emf_paint_device.h"
#include "graph_chart.h"

#include "qcustomplot.h"

GraphExporter::Result GraphMetafileExporter::exportTo(const QString &path) {
    EmfPaintDevice device(path, chart_.pictureSize());
    device.setDescription(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"), QStringLiteral("График"));
    QCPPainter painter;
    if (!painter.begin(&device))
        return {.ok = false, .error = device.errorString()};
    // Texts as texts and lines as lines, not as cached pictures of them.
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    chart_.render(painter, device.sizeInPixels());
    const bool ended = painter.end();
    return {.ok = ended && device.saved(), .error = device.errorString()};
}
