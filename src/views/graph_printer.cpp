#include "graph_printer.h"

#include "graph_chart.h"

#include "qcustomplot.h"

#include <QPrinter>

#include <algorithm>

namespace GraphPrinter {

bool print(QPrinter &printer, GraphChart &chart) {
    const QPageLayout::Orientation previous = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    QCPPainter painter;
    const bool started = painter.begin(&printer);
    if (started) {
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        painter.setMode(QCPPainter::pmNonCosmetic);
        // The chart's own pixels, scaled to fill the printable area at their proportions.
        const QSize picture = chart.pictureSize();
        const QRect page = painter.viewport();
        const double scale = std::min(double(page.width()) / picture.width(),
                                      double(page.height()) / picture.height());
        const QSize target(int(picture.width() * scale), int(picture.height() * scale));
        painter.setViewport(QRect(page.topLeft(), target));
        painter.setWindow(QRect(QPoint(0, 0), picture));
        chart.setFontsInChartPixels(true);
        chart.render(painter, picture);
        chart.setFontsInChartPixels(false);
        painter.end();
    }
    printer.setPageOrientation(previous);
    return started;
}

} // namespace GraphPrinter
