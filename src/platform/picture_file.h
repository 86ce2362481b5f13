#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A picture file shown on screen: ".jpg" and ".jpeg" through the JPEG decoder, ".bmp"
// through Qt's bitmap reader (case of the extension ignored). A missing, unreadable,
// oversized or damaged file, or any other extension, gives a null image.
//
// With `shownAt` given, a large picture is kept no larger than it needs to be to cover that
// size (JpegImage::decode): a JPEG file is decoded at the reduced size, a bitmap reduced
// after reading.
QImage loadPicture(const QString &path, QSize shownAt = {});
