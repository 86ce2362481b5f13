#include "report_printer.h"

#include "report_print_layout.h"

#include <cmath>

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace ReportPrinter {

QFont printerFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("Noto Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(12);
    return font;
}

int fontHeightPixels(const QFont &font, int dotsPerInch) {
    constexpr double kPointsPerInch = 72.0;
    return int(std::lround(font.pointSizeF() * dotsPerInch / kPointsPerInch));
}

bool print(QPagedPaintDevice &printer, const QStringList &lines) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(printerFont());
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight =
        ReportPrintLayout::lineHeight(fontHeightPixels(painter.font(), printer.logicalDpiY()));
    const QList<ReportPrintLayout::PlacedLine> placed =
        ReportPrintLayout::place(int(lines.size()), printer.height(), lineHeight);
    int page = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (placed[i].page != page) {
            printer.newPage();
            page = placed[i].page;
        }
        // The layout gives the top of the line; text is drawn from its baseline.
        painter.drawText(ReportPrintLayout::kLeft, placed[i].y + metrics.ascent(), lines[i]);
    }
    return painter.end();
}

} // namespace ReportPrinter
