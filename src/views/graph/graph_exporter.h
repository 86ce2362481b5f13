#pragma once

#include <QString>

// One way of writing the graph to a file of the user's choice: the graph file (*.dan,
// GraphFileExporter), the text table (GraphTextExporter), the bitmap and the metafile of the
// chart (in src/views). GraphExportRegistry (src/views/graph_export_registry.h) lists them,
// one row each with the save dialog's filter and the file name extension. Each exporter is
// made with what it writes.
class GraphExporter {
public:
    struct Result {
        bool ok = false;
        QString error; // the system's reason when ok is false
        // The file holds every sample of the record and can be opened again, so the graph
        // journal is no longer needed.
        bool holdsRecord = false;
        // Told to the user after a write that succeeded with a reservation.
        QString notice;
    };

    virtual ~GraphExporter() = default;
    virtual Result exportTo(const QString &path) = 0;
};
