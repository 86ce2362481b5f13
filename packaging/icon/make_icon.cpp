// Renders the program's icon (velantar.svg beside this file, its only source) as PNG files,
// one per size, for the desktop's hicolor theme.
//
//   velantar-icon SVG_FILE OUTPUT_FOLDER SIZE...     writes OUTPUT_FOLDER/velantar-SIZE.png

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QTextStream err(stderr);
    if (argc < 4) {
        err << "usage: velantar-icon SVG_FILE OUTPUT_FOLDER SIZE...\n";
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        err << "velantar-icon: cannot read " << argv[1] << "\n";
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(".")) {
        err << "velantar-icon: cannot create " << folder.path() << "\n";
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            err << "velantar-icon: size 16..1024 expected, got " << argv[i] << "\n";
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString path = folder.filePath(QStringLiteral("velantar-%1.png").arg(size));
        if (!image.save(path, "PNG")) {
            err << "velantar-icon: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
