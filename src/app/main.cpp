#include "tform1.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velantar"));
    QApplication::setApplicationDisplayName(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));

    TForm1 window;
    window.show();
    return QApplication::exec();
}
