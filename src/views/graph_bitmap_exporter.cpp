#include "graph_bitmap_exporter.h"

#include "graph_chart.h"
#include "safe_file.h"

#include "qcustomplot.h"

#include <QBuffer>
#include <QImage>

GraphExporter::Result GraphBitmapExporter::exportTo(const QString &path) {
    const QSize size = chart_.pictureSize();
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    chart_.setPaper(Qt::white);
    {
        QCPPainter painter(&picture);
        chart_.render(painter, size);
    }
    chart_.restorePaper();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        return {.ok = false, .error = QStringLiteral("не удалось закодировать рисунок")};
    const SafeFile::WriteResult written = SafeFile::write(path, bytes);
    return {.ok = written.ok, .error = written.error};
}
