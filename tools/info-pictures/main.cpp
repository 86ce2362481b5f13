#include "drawings.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

namespace {

bool save(const QImage &image, const QString &path, const char *format, int quality = -1) {
    QDir().mkpath(QFileInfo(path).path());
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        QTextStream(stderr) << path << ": " << writer.errorString() << '\n';
        return false;
    }
    QTextStream(stdout) << path << " " << QFileInfo(path).size() << " bytes\n";
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication application(argc, argv);
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QSize page(500, 375);
    // A small 256-colour bitmap: a flat drawing keeps its colours.
    const QImage gasPath = Drawings::gasPathPage(QSize(272, 204))
                               .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const bool ok =
        save(Drawings::designPicture(page), root.filePath("src/app/resources/design_picture.jpg"),
             "jpg", 85) &&
        save(Drawings::aboutIcon(32), root.filePath("src/app/resources/about_icon.png"), "png") &&
        save(Drawings::frontPanelPage(page), root.filePath("data/Info/Inf0.jpg"), "jpg", 85) &&
        save(gasPath, root.filePath("data/Info/Inf2.bmp"), "bmp") &&
        save(Drawings::computerLinkPage(page), root.filePath("data/Info/Inf3.jpg"), "jpg", 85);
    return ok ? 0 : 1;
}
