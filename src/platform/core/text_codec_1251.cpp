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
    return encodeExactly(text, [](QStringView part, bool &exact) {
        // An encoder of its own for each conversion: its error flag, once set, stays.
        QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
        QByteArray bytes = encoder.encode(part);
        exact = !encoder.hasError();
        return bytes;
    });
}

} // namespace TextFile1251
