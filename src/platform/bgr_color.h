#pragma once

#include <QColor>

// Colours are kept in the settings as 24-bit values 0x00BBGGRR, red in the low byte.
inline QColor colorFromBgr(qint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline qint32 bgrFromColor(const QColor &color) {
    return qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}
