#include "text_codec_1251_exact.h"
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

// Converts the text; exact tells whether every character had a byte of its own (none became
// '?'). Best-fit look-alikes (an "a" for an "ä") are refused, so that only a character
// the code page really holds is written as itself.
QByteArray toCodePage(QStringView text, bool &exact) {
    BOOL defaulted = FALSE;
    exact = true;
    if (text.isEmpty())
        return {};
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide(text),
                                         int(text.size()), nullptr, 0, "?", &defaulted);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide(text), int(text.size()), bytes.data(),
                        size, "?", &defaulted);
    exact = defaulted == FALSE;
    return bytes;
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
    return encodeExactly(text, [](QStringView part, bool &exact) {
        QByteArray bytes = toCodePage(part, exact);
        exact = exact && decode(bytes) == part;
        return bytes;
    });
}

} // namespace TextFile1251
