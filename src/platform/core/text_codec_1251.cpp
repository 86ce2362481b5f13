#include "text_codec_1251_exact.h"
#include "text_file_1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

// The code page conversions through Qt's converters (ICU on Linux).
namespace TextFile1251 {

namespace {

constexpr const char *kCodePage = "windows-1251";

} // namespace

QString decode(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray encode(QStringView text) {
    // One encoder and one decoder for all the parts (opening one costs more than a code
    // point's conversion). The encoder's error flag, once set, stays set: a later part is then
    // judged by the read-back alone, which on its own refuses the converter's substitute byte.
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return encodeExactly(text, [&encoder, &decoder](QStringView part, bool &exact) {
        const bool hadError = encoder.hasError();
        QByteArray bytes = encoder.encode(part);
        exact = (hadError || !encoder.hasError()) && QString(decoder.decode(bytes)) == part;
        return bytes;
    });
}

} // namespace TextFile1251
