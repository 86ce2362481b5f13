#include "screen_keyboard_keys.h"

#include "text_file_1251.h"

namespace ScreenKeyboardKeys {

namespace {

constexpr int kLetterRows = 3;
constexpr int kLetterKeys = kLetterRows * kColumns; // 33 consecutive codes per alphabet
constexpr char kLatinPunctuation[] = ".,-+_()";     // after the 26 Latin letters
constexpr int kLatinLetters = 26;
constexpr int kCyrillicLetters = 32;

QChar fromCodePage(int code) {
    const char byte = char(code);
    const QString decoded = TextFile1251::decode(QByteArrayView(&byte, 1));
    return decoded.isEmpty() ? QChar(u' ') : decoded.front();
}

// Three rows of an alphabet starting at `firstCode`; codes past the last letter take the
// replacement keys.
void fillLetters(KeyTable &keys, int firstRow, int firstCode, int letterCount,
                 QStringView replacements) {
    for (int i = 0; i < kLetterKeys; ++i) {
        const int extra = i - letterCount;
        const QChar key = extra < 0                     ? fromCodePage(firstCode + i)
                          : extra < replacements.size() ? replacements[extra]
                                                        : QChar(u' ');
        keys[firstRow + i / kColumns][i % kColumns] = key;
    }
}

} // namespace

KeyTable table(bool capitalLetters) {
    KeyTable keys;
    for (int i = 0; i < kColumns; ++i)
        keys[0][i] = i < 10 ? QChar(u'0' + i) : QChar(u' ');
    fillLetters(keys, 1, capitalLetters ? 0x41 : 0x61, kLatinLetters,
                QString::fromLatin1(kLatinPunctuation));
    fillLetters(keys, 4, capitalLetters ? 0xC0 : 0xE0, kCyrillicLetters, u" ");
    return keys;
}

} // namespace ScreenKeyboardKeys
