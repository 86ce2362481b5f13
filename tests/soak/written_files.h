#pragma once

#include "graph_buffer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// Every file the soak had the program write, with what it should hold, read back with the
// program's own readers.
class WrittenFiles {
public:
    // A graph file saved from the record as it stands now.
    void expectGraph(const QString &path, const GraphBuffer &record);
    // A report saved with these lines.
    void expectReport(const QString &path, const QStringList &lines);

    // What differs, one line per file; empty when every file reads back as written.
    QStringList check() const;
    int count() const { return int(graphs_.size() + reports_.size()); }

    // The journal against the record it keeps: empty when it holds the same samples.
    static QString journalMismatch(const QString &journalPath, const GraphBuffer &record);

private:
    struct Graph {
        QString path;
        std::vector<TimedReading> samples; // as recorded, the time in whole seconds
    };
    struct Report {
        QString path;
        QStringList lines;
    };
    QString graphMismatch(const Graph &graph) const;

    std::vector<Graph> graphs_;
    std::vector<Report> reports_;
};
