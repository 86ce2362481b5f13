#include "text_file_1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

// The code page conversions through Qt's converters (ICU on Linux).
namespace TextFile1251 {

namespace {

constexpr const char *kCodePage = "windows-1251";

// Encodes a text one code point at a time, writing '?' for each one the code page cannot
// hold. A code point is held when its byte decodes back to it; the converter's own
// substitute byte (and any look-alike it might pick) fails that check, while a genuine
// control character passes it.
QByteArray encodeWithQuestionMarks(QStringView text) {
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QStringView codePoint = text.mid(i, length);
        const QByteArray bytes = encoder.encode(codePoint);
        if (bytes.size() == 1 && QString(decoder.decode(bytes)) == codePoint)
            out.append(bytes);
        else
            out.append('?');
        i += length;
    }
    return out;
}

} // namespace

QString decode(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray encode(QStringView text) {
    // Fast path: the whole text converts and reads back unchanged.
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError() && decode(bytes) == text)
        return bytes;
    return encodeWithQuestionMarks(text);
}

} // namespace TextFile1251
