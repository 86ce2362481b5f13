#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

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
//
// With `shownAt` given, the picture is to be shown no larger than that: it is decoded at
// the smallest of its full size, a half, a quarter or an eighth that still covers `shownAt`
// both ways (the decoder leaves out the finer detail of each block, at a fraction of the
// work and memory), and may come out larger than `shownAt`, never smaller unless the file
// itself is. Which files are accepted does not depend on it.
QImage decode(const QByteArray &bytes, const Limits &limits = {}, QSize shownAt = {});

// The reduction `decode` takes for a picture of `full` size shown at `shownAt`: 1, 2, 4 or 8.
int reductionFor(QSize full, QSize shownAt);

} // namespace JpegImage
