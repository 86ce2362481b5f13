#pragma once

#include "graph_exporter.h"

class GraphChart;

// The graph as an enhanced metafile (*.emf): the chart as shown, at its size on screen, its
// lines and texts recorded as drawing calls through EmfPaintDevice (which writes through
// SafeFile, so a failed write leaves an old file whole).
class GraphMetafileExporter : public GraphExporter {
public:
    explicit GraphMetafileExporter(GraphChart &chart) : chart_(chart) {}
    Result exportTo(const QString &path) override;

private:
    GraphChart &chart_;
};
