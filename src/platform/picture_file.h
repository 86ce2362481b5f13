#pragma once

#include <QImage>
#include <QString>

// A picture file shown on screen: ".jpg" and ".jpeg" through the JPEG decoder, ".bmp"
// through Qt's bitmap reader (case of the extension ignored). A missing, unreadable,
// oversized or damaged file, or any other extension, gives a null image.
QImage loadPicture(const QString &path);
