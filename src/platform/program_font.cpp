#include "program_font.h"

#include <QApplication>
#include <QFont>

namespace ProgramFont {

void install() {
    for (const char *face : {"Arial", "MS Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("Liberation Sans"));
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Arial")});
    QApplication::setFont(font);
}

} // namespace ProgramFont
