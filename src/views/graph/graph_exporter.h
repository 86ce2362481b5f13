#pragma once

#include <QString>

// One way of writing the graph to a file of the user's choice: the text table here; the
// bitmap and the metafile of the chart join it. Each exporter is made with what it writes.
class GraphExporter {
public:
    struct Result {
        bool ok = false;
        QString error; // the system's reason when ok is false
    };

    virtual ~GraphExporter() = default;
    virtual Result exportTo(const QString &path) = 0;
};
