#include "text_file_1251.h"

#include <windows.h>

// The code page conversions through the system's own tables: Qt on Windows is built without
// ICU, and its converter then knows no windows-1251.
namespace TextFile1251 {

namespace {

constexpr UINT kCodePage = 1251;

const wchar_t *wide(QStringView text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

// Converts the text; usedDefault tells whether a character had no byte of its own and
// became '?'. Best-fit look-alikes (an "a" for an "ä") are refused, so that only a character
// the code page really holds is written as itself.
QByteArray toCodePage(QStringView text, bool &usedDefault) {
    BOOL defaulted = FALSE;
    usedDefault = false;
    if (text.isEmpty())
        return {};
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide(text),
                                         int(text.size()), nullptr, 0, "?", &defaulted);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide(text), int(text.size()), bytes.data(),
                        size, "?", &defaulted);
    usedDefault = defaulted != FALSE;
    return bytes;
}

// One '?' for each code point the code page cannot hold, a surrogate pair included.
QByteArray encodeWithQuestionMarks(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QStringView codePoint = text.mid(i, length);
        bool usedDefault = false;
        const QByteArray bytes = toCodePage(codePoint, usedDefault);
        if (!usedDefault && bytes.size() == 1 && decode(bytes) == codePoint)
            out.append(bytes);
        else
            out.append('?');
        i += length;
    }
    return out;
}

} // namespace

QString decode(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return {};
    const int size = MultiByteToWideChar(kCodePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(kCodePage, 0, bytes.data(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(text.data()), size);
    return text;
}

QByteArray encode(QStringView text) {
    // Fast path: the whole text converts and reads back unchanged.
    bool usedDefault = false;
    QByteArray bytes = toCodePage(text, usedDefault);
    if (!usedDefault && decode(bytes) == text)
        return bytes;
    return encodeWithQuestionMarks(text);
}

} // namespace TextFile1251
