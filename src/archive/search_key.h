#pragma once

#include <QString>

// The form the archive searches vehicle numbers and detail texts in: upper case, the Cyrillic
// letters that look like Latin ones (А В Е К М Н О Р С Т У Х) written as those Latin letters,
// blanks dropped. "а 123 вс77" and "A123BC77" have the same key, so an operator finds a number
// whichever keyboard layout it was typed in.
namespace ArchiveSearch {

QString key(const QString &text);

// The LIKE pattern that finds the key of `text` anywhere in a stored key; % and _ in the text
// are escaped with \ (the statement says ESCAPE '\').
QString containsPattern(const QString &text);

} // namespace ArchiveSearch
