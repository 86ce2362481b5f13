#include "text_file_1251.h"

#include "safe_file.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile1251 {

namespace {

constexpr const char *kCodePage = "windows-1251";
constexpr qint64 kChunkSize = 4096;

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

QStringList splitLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << text.mid(start, i - start).toString();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines << text.mid(start).toString();
    return lines;
}

ReadResult readLines(const QString &path, qint64 maxBytes) {
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return result;
    result.lines = splitLines(decode(bytes));
    result.ok = true;
    return result;
}

FirstLineResult readFirstLine(const QString &path) {
    FirstLineResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(kChunkSize);
        if (file.error() != QFileDevice::NoError)
            return result;
        if (chunk.isEmpty())
            break;
        bytes.append(chunk);
        const qsizetype cr = bytes.indexOf('\r');
        const qsizetype lf = bytes.indexOf('\n');
        if (cr >= 0 || lf >= 0) {
            const qsizetype end = (cr < 0) ? lf : (lf < 0 ? cr : qMin(cr, lf));
            bytes.truncate(end);
            break;
        }
    }
    result.line = decode(bytes);
    result.ok = true;
    return result;
}

bool writeLines(const QString &path, const QStringList &lines, LastLineEnd lastLineEnd) {
    QString text = lines.join(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lastLineEnd == LastLineEnd::Terminated)
        text += QStringLiteral("\r\n");
    return SafeFile::write(path, encode(text)).ok;
}

} // namespace TextFile1251
