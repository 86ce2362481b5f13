#pragma once

#include "graph_buffer.h"
#include "graph_captions.h"
#include "graph_exporter.h"

#include <QByteArray>
#include <QLocale>

// The graph as a tab-separated table (*.txt), Windows-1251 with CR LF line ends: the header
// line "CO\tCH\tCO2\tO2\tlamb\tn\tTime", one line per sample with the recorded values and the
// time label (its trailing space included), an empty line, the footer and an empty line, the
// title and an empty line.
QByteArray graphTextExportBytes(const GraphBuffer &buffer, const GraphCaptions &captions,
                                const QLocale &locale = QLocale());

class GraphTextExporter : public GraphExporter {
public:
    GraphTextExporter(const GraphBuffer &buffer, GraphCaptions captions,
                      QLocale locale = QLocale());
    Result exportTo(const QString &path) override;

private:
    const GraphBuffer &buffer_;
    GraphCaptions captions_;
    QLocale locale_;
};
