#include "report_print_layout.h"

#include <QtGlobal>

#include <cmath>

namespace ReportPrintLayout {

int lineHeight(int fontHeightPixels) {
    return qMax(1, int(std::lround(1.5 * std::abs(fontHeightPixels))));
}

QList<PlacedLine> place(int lineCount, int pageHeight, int lineHeight) {
    const int h = qMax(1, lineHeight);
    const int perPage = qMax(1, (pageHeight - kTop) / h);
    QList<PlacedLine> placed;
    placed.reserve(qMax(0, lineCount));
    for (int i = 0; i < lineCount; ++i)
        placed.append({i / perPage, kTop + (i % perPage) * h});
    return placed;
}

} // namespace ReportPrintLayout
