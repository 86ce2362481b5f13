#pragma once

#include "graph_buffer.h"
#include "graph_exporter.h"
#include "graph_file.h"

// The graph as a graph file (*.dan) through GraphFile::save. A record longer than a graph
// file holds is written with its newest GraphFile::kMaxSamples samples, and the notice tells
// the user so; only a file with every sample holds the record.
class GraphFileExporter : public GraphExporter {
public:
    GraphFileExporter(const GraphBuffer &buffer, GraphFile::Header header)
        : buffer_(buffer), header_(std::move(header)) {}
    Result exportTo(const QString &path) override;

private:
    const GraphBuffer &buffer_;
    GraphFile::Header header_;
};
