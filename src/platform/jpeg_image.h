#pragma once

#include <QByteArray>
#include <QImage>

// JPEG pictures decoded with libjpeg. Whatever the bytes hold, decoding ends with a picture
// or a null image: a damaged, truncated or foreign file, a picture too large to hold in
// memory or a file that would keep the decoder busy for long never ends the program.
namespace JpegImage {

struct Limits {
    int maxSide = 16000;                      // pixels, either side
    qint64 maxImageBytes = 100 * 1024 * 1024; // the decoded picture, 4 bytes a pixel
    int maxScans = 500;                       // progressive files: passes over the picture
};

// The picture as Format_RGB32 (colour, grey and CMYK files alike), or a null image.
QImage decode(const QByteArray &bytes, const Limits &limits = {});

} // namespace JpegImage
