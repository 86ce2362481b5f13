#include "graph_export_registry.h"

#include "graph_bitmap_exporter.h"
#include "graph_file_exporter.h"
#include "graph_metafile_exporter.h"
#include "graph_printer.h"
#include "graph_recorder.h"
#include "graph_text_export.h"

#include <QFileInfo>

namespace {

using Source = GraphExportSource;

constexpr GraphExportRegistry::Format kFormats[] = {
    {u"Файлы данных (*.dan)", u"dan", true,
     [](const Source &s) -> std::unique_ptr<GraphExporter> {
         return std::make_unique<GraphFileExporter>(s.recorder.buffer(), s.header);
     }},
    {u"Метафайлы (*.emf)", u"emf", false,
     [](const Source &s) -> std::unique_ptr<GraphExporter> {
         return std::make_unique<GraphMetafileExporter>(s.chart);
     }},
    {u"Точечные рисунки (*.bmp)", u"bmp", false,
     [](const Source &s) -> std::unique_ptr<GraphExporter> {
         return std::make_unique<GraphBitmapExporter>(s.chart);
     }},
    {u"Текстовые файлы (*.txt)", u"txt", false,
     [](const Source &s) -> std::unique_ptr<GraphExporter> {
         return std::make_unique<GraphTextExporter>(s.recorder.buffer(), s.captions);
     }},
};

} // namespace

namespace GraphExportRegistry {

std::span<const Format> formats() {
    return kFormats;
}

QStringList saveFilters() {
    QStringList filters;
    for (const Format &format : kFormats)
        filters << QString::fromUtf16(format.filter);
    return filters;
}

QString openFilter() {
    QStringList filters;
    for (const Format &format : kFormats)
        if (format.opens)
            filters << QString::fromUtf16(format.filter);
    return filters.join(QStringLiteral(";;"));
}

const Format &formatOf(const QString &path, const QString &chosenFilter) {
    const QString suffix = QFileInfo(path).suffix();
    for (const Format &format : kFormats)
        if (suffix.compare(QString::fromUtf16(format.suffix), Qt::CaseInsensitive) == 0)
            return format;
    for (const Format &format : kFormats)
        if (chosenFilter == QString::fromUtf16(format.filter))
            return format;
    return kFormats[0];
}

std::unique_ptr<GraphExporter> exporterFor(const QString &path, const QString &chosenFilter,
                                           const GraphExportSource &source) {
    return formatOf(path, chosenFilter).make(source);
}

bool print(QPrinter &printer, GraphChart &chart) {
    return GraphPrinter::print(printer, chart);
}

} // namespace GraphExportRegistry
