#include "text_file_1251.h"

#include "regular_file.h"
#include "safe_file.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace TextFile1251 {

namespace {

// A first line is looked for in small steps, so a short line costs a short read; whole
// files go in larger ones.
constexpr qint64 kLineChunkSize = 4096;
constexpr qint64 kFileChunkSize = 64 * 1024;

enum class Stop { AtLimit, AtFirstLineEnd };

// The bytes of the device up to maxBytes (all when negative) or, when asked, up to the first
// line end (not included). Only the bytes just read are searched for the line end, so the
// time is linear in what is read. Nothing on a read error.
std::optional<QByteArray> readBytes(QIODevice &device, qint64 maxBytes, Stop stop) {
    const qint64 chunkSize = stop == Stop::AtFirstLineEnd ? kLineChunkSize : kFileChunkSize;
    QByteArray bytes;
    for (;;) {
        const qint64 wanted =
            maxBytes < 0 ? chunkSize : std::min(chunkSize, maxBytes - qint64(bytes.size()));
        if (wanted <= 0)
            break;
        const qsizetype before = bytes.size();
        bytes.resize(before + wanted);
        const qint64 got = device.read(bytes.data() + before, wanted);
        if (got < 0)
            return std::nullopt;
        bytes.resize(before + got);
        if (got == 0)
            break;
        if (stop == Stop::AtFirstLineEnd) {
            const auto end = std::find_if(bytes.cbegin() + before, bytes.cend(),
                                          [](char c) { return c == '\r' || c == '\n'; });
            if (end != bytes.cend()) {
                bytes.truncate(end - bytes.cbegin());
                break;
            }
        }
    }
    return bytes;
}

} // namespace

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

ReadResult readLines(QIODevice &device, qint64 maxBytes) {
    ReadResult result;
    const std::optional<QByteArray> bytes = readBytes(device, maxBytes, Stop::AtLimit);
    if (!bytes)
        return result;
    result.lines = splitLines(decode(*bytes));
    result.ok = true;
    return result;
}

FirstLineResult readFirstLine(QIODevice &device, qint64 maxBytes) {
    FirstLineResult result;
    const std::optional<QByteArray> bytes = readBytes(device, maxBytes, Stop::AtFirstLineEnd);
    if (!bytes)
        return result;
    result.line = decode(*bytes);
    result.ok = true;
    return result;
}

ReadResult readLines(const QString &path, qint64 maxBytes) {
    QFile file(path);
    if (!RegularFile::openForReading(file))
        return {};
    return readLines(file, maxBytes);
}

FirstLineResult readFirstLine(const QString &path, qint64 maxBytes) {
    QFile file(path);
    if (!RegularFile::openForReading(file))
        return {};
    return readFirstLine(file, maxBytes);
}

bool writeLines(const QString &path, const QStringList &lines, LastLineEnd lastLineEnd) {
    QString text = lines.join(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lastLineEnd == LastLineEnd::Terminated)
        text += QStringLiteral("\r\n");
    return SafeFile::write(path, encode(text)).ok;
}

} // namespace TextFile1251
