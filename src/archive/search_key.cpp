#include "search_key.h"

namespace {

// Upper-case Cyrillic look-alikes and the Latin letters they are written as.
constexpr char16_t kCyrillic[] = u"АВЕКМНОРСТУХ";
constexpr char16_t kLatin[] = u"ABEKMHOPCTYX";

} // namespace

namespace ArchiveSearch {

QString key(const QString &text) {
    const QString upper = text.toUpper();
    QString folded;
    folded.reserve(upper.size());
    const QStringView cyrillic(kCyrillic);
    for (const QChar c : upper) {
        if (c.isSpace())
            continue;
        const qsizetype at = cyrillic.indexOf(c);
        folded.append(at < 0 ? c : QChar(kLatin[at]));
    }
    return folded;
}

QString containsPattern(const QString &text) {
    QString escaped = key(text);
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'%', QStringLiteral("\\%"));
    escaped.replace(u'_', QStringLiteral("\\_"));
    return u'%' + escaped + u'%';
}

QStringList grams(const QString &key) {
    const QList<uint> letters = key.toUcs4();
    QStringList found;
    for (qsizetype at = 0; at + GramLength <= letters.size(); ++at) {
        const QString gram = QString::fromUcs4(
            reinterpret_cast<const char32_t *>(letters.constData() + at), GramLength);
        if (!found.contains(gram))
            found.append(gram);
    }
    return found;
}

} // namespace ArchiveSearch
