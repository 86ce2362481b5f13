#pragma once

#include "graph_captions.h"
#include "graph_exporter.h"
#include "graph_file.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <span>

class GraphChart;
class GraphRecorder;
class QPrinter;

// Everything the graph's exports are made from.
struct GraphExportSource {
    const GraphRecorder &recorder;
    GraphChart &chart;
    const GraphCaptions &captions;
    GraphFile::Header header; // the graph's date and vehicle texts
};

// Every way the graph leaves the program: the file types "Сохранить" offers, in the order of
// its dialog, the one type "Открыть" reads, and the printer. A new file format is one
// GraphExporter class and one row of the table in graph_export_registry.cpp.
namespace GraphExportRegistry {

struct Format {
    const char16_t *filter; // the save dialog's type, e.g. u"Файлы данных (*.dan)"
    const char16_t *suffix; // the file name extension that picks it, e.g. u"dan"
    bool opens;             // "Открыть" reads it
    std::unique_ptr<GraphExporter> (*make)(const GraphExportSource &source);
};

// The table: "Файлы данных (*.dan)", "Метафайлы (*.emf)", "Точечные рисунки (*.bmp)",
// "Текстовые файлы (*.txt)".
std::span<const Format> formats();

// The save dialog's types, in the table's order.
QStringList saveFilters();
// The open dialog's type: the formats "Открыть" reads.
QString openFilter();

// The format to write: the one the file name's extension names when it is in the table (so
// "graph.bmp" is a bitmap whichever type the dialog showed), otherwise the chosen filter's;
// the graph file when neither tells.
const Format &formatOf(const QString &path, const QString &chosenFilter);

// The exporter for a file the save dialog chose.
std::unique_ptr<GraphExporter> exporterFor(const QString &path, const QString &chosenFilter,
                                           const GraphExportSource &source);

// The chart on one landscape page of the printer (GraphPrinter); false when the printer could
// not start the job.
bool print(QPrinter &printer, GraphChart &chart);

} // namespace GraphExportRegistry
