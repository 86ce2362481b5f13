// Draws the program's icon: an instrument face with a recorded trace above six bars in the
// channel colours (CO, CH, CO2, O2, lambda, engine speed), as the graph and the diagrams show
// them. Written as PNG files, one per size, so no artwork needs to be kept in the repository.
//
//   velantar-icon OUTPUT_FOLDER SIZE...     writes OUTPUT_FOLDER/velantar-SIZE.png

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

namespace {

// Drawn on a 256-unit square and scaled to the size asked for.
QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);

    QLinearGradient body(0, 12, 0, 244);
    body.setColorAt(0, QColor(0x1c, 0x4e, 0x86));
    body.setColorAt(1, QColor(0x0a, 0x22, 0x40));
    painter.setPen(QPen(QColor(0x06, 0x14, 0x26), 4));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(12, 12, 232, 232), 40, 40);

    const QRectF screen(34, 36, 188, 184);
    painter.setPen(QPen(QColor(0x8f, 0xa8, 0xc4), 3));
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(screen, 14, 14);

    // The recorded trace: an engine brought up to elevated speed and back to idle.
    const QPolygonF trace({{46, 104},
                           {66, 100},
                           {82, 106},
                           {96, 70},
                           {110, 62},
                           {126, 66},
                           {140, 60},
                           {154, 96},
                           {170, 104},
                           {188, 100},
                           {210, 103}});
    painter.setPen(QPen(QColor(0xff, 0xff, 0x00), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(trace);

    // Six bars in the channel colours of the graph and the diagrams.
    const QColor channels[6] = {QColor(0xc0, 0x30, 0xc0), QColor(0xff, 0xff, 0x00),
                                QColor(0x40, 0x70, 0xff), QColor(0x00, 0xff, 0xff),
                                QColor(0x00, 0xff, 0x00), QColor(0xc0, 0xc0, 0x30)};
    const double heights[6] = {52, 80, 64, 36, 72, 58};
    const double base = 206, width = 22, gap = 7.2;
    double left = screen.left() + (screen.width() - 6 * width - 5 * gap) / 2;
    painter.setPen(Qt::NoPen);
    for (int channel = 0; channel < 6; ++channel) {
        painter.setBrush(channels[channel]);
        painter.drawRect(QRectF(left, base - heights[channel], width, heights[channel]));
        left += width + gap;
    }
    return image;
}

} // namespace

int main(int argc, char *argv[]) {
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: velantar-icon OUTPUT_FOLDER SIZE...\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        err << "velantar-icon: cannot create " << folder.path() << "\n";
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            err << "velantar-icon: size 16..1024 expected, got " << argv[i] << "\n";
            return 2;
        }
        const QString path = folder.filePath(QStringLiteral("velantar-%1.png").arg(size));
        if (!drawIcon(size).save(path, "PNG")) {
            err << "velantar-icon: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
