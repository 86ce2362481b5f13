#pragma once

#include <QByteArray>
#include <QStringView>

#include <functional>

// The encoding rule both code page back ends share: a character the code page holds is
// written as its byte, any other as '?'. Each back end brings its converter (Qt's on Linux,
// the system's tables on Windows).
namespace TextFile1251 {

// Converts a text to the code page; exact tells whether every character had a byte of its
// own and the bytes decode back to the text: a substitute byte or a look-alike fails that
// check, a genuine control character passes it.
using CodePageConverter = std::function<QByteArray(QStringView text, bool &exact)>;

// The text in the code page with '?' for each code point (a surrogate pair is one) the code
// page cannot hold, that is which does not convert exactly to one byte.
QByteArray encodeExactly(QStringView text, const CodePageConverter &convert);

} // namespace TextFile1251
