#pragma once

#include <QString>
#include <QStringList>

// The form the archive searches vehicle numbers and detail texts in: upper case, the Cyrillic
// letters that look like Latin ones (А В Е К М Н О Р С Т У Х) written as those Latin letters,
// blanks dropped. "а 123 вс77" and "A123BC77" have the same key, so an operator finds a number
// whichever keyboard layout it was typed in.
namespace ArchiveSearch {

QString key(const QString &text);

// The LIKE pattern that finds the key of `text` anywhere in a stored key; % and _ in the text
// are escaped with \ (the statement says ESCAPE '\').
QString containsPattern(const QString &text);

// The length of the pieces a stored number key is cut into for looking fragments up.
constexpr int GramLength = 3;

// The distinct pieces of GramLength letters in `key`, in the order they first occur; none when
// the key is shorter. Letters are counted as characters, as SQL's SUBSTR and LENGTH count
// them, so the pieces of a stored key are the same whether the program or a migration cut it.
QStringList grams(const QString &key);

} // namespace ArchiveSearch
