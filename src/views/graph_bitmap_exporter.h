#pragma once

#include "graph_exporter.h"

class GraphChart;

// The graph as a bitmap (*.bmp): the chart at its size on screen, drawn on a white background
// whatever the graph's own background, written through SafeFile.
class GraphBitmapExporter : public GraphExporter {
public:
    explicit GraphBitmapExporter(GraphChart &chart) : chart_(chart) {}
    Result exportTo(const QString &path) override;

private:
    GraphChart &chart_;
};
