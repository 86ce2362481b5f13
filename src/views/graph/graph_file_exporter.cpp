#include "graph_file_exporter.h"

#include <QDir>

GraphExporter::Result GraphFileExporter::exportTo(const QString &path) {
    const GraphFile::WriteResult written = GraphFile::save(path, buffer_, header_);
    Result result{.ok = written.ok, .error = written.error};
    result.holdsRecord = written.ok && !written.cut;
    if (written.ok && written.cut)
        result.notice = QStringLiteral("Файл данных вмещает не больше %1 точек: в файл %2 записаны "
                                       "последние %1 точек графика из %3.")
                            .arg(written.samplesWritten)
                            .arg(QDir::toNativeSeparators(path))
                            .arg(buffer_.count());
    return result;
}
