#include "text_codec_1251_exact.h"

namespace TextFile1251 {

namespace {

QByteArray encodeWithQuestionMarks(QStringView text, const CodePageConverter &convert) {
    QByteArray out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QStringView codePoint = text.mid(i, length);
        bool exact = false;
        const QByteArray bytes = convert(codePoint, exact);
        if (exact && bytes.size() == 1)
            out.append(bytes);
        else
            out.append('?');
        i += length;
    }
    return out;
}

} // namespace

QByteArray encodeExactly(QStringView text, const CodePageConverter &convert) {
    // Fast path: the whole text converts and reads back unchanged.
    bool exact = false;
    QByteArray bytes = convert(text, exact);
    if (exact)
        return bytes;
    return encodeWithQuestionMarks(text, convert);
}

} // namespace TextFile1251
