#include "picture_file.h"

#include "jpeg_image.h"
#include "regular_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A larger file cannot hold a picture the decoders would accept.
constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;

QByteArray readPictureBytes(const QString &path) {
    QFile file(path);
    if (!RegularFile::openForReading(file))
        return {};
    const qint64 size = file.size();
    if (size > MaxPictureFileBytes)
        return {};
    // Asking for the file's own size: a read of the limit would set aside the whole limit
    // in memory first, whatever the file holds.
    return file.read(size);
}

QImage decodeBitmap(const QByteArray &bytes, QSize shownAt) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "bmp");
    // A picture the JPEG decoder would refuse for its size is refused here too.
    reader.setAllocationLimit(int(JpegImage::Limits{}.maxImageBytes / (1024 * 1024)));
    const QImage full = reader.read();
    const int reduction = JpegImage::reductionFor(full.size(), shownAt);
    if (reduction == 1)
        return full;
    // Rounded up, as the JPEG decoder does.
    const QSize reduced((full.width() + reduction - 1) / reduction,
                        (full.height() + reduction - 1) / reduction);
    return full.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage loadPicture(const QString &path, QSize shownAt) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool jpeg = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
    if (!jpeg && suffix != QLatin1String("bmp"))
        return {};
    const QByteArray bytes = readPictureBytes(path);
    if (bytes.isEmpty())
        return {};
    return jpeg ? JpegImage::decode(bytes, {}, shownAt) : decodeBitmap(bytes, shownAt);
}
