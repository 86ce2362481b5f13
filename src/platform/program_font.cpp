#include "program_font.h"

#include <QApplication>
#include <QFont>

#ifdef Q_OS_WIN
#include <QDir>
#include <QFontDatabase>
#endif

namespace ProgramFont {

void install() {
#ifdef Q_OS_WIN
    // Windows has Arial itself; a system without it (Wine) gets the Liberation Sans shipped
    // in the program's folder "fonts".
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString &file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
#endif
    for (const char *face : {"Arial", "MS Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("Liberation Sans"));
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Arial")});
    QApplication::setFont(font);
}

} // namespace ProgramFont
