#include "termination_signals.h"
#include "tform1.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTranslator>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velantar"));

    // The program speaks Russian whatever the desktop's language: Qt's own texts too (the
    // message boxes' "Да", "Нет", "Отмена", the file, colour and print dialogs), from Qt's
    // translations when they are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // A logout or Ctrl+C closes the window without questions, through the exit save; unsaved
    // work goes into recovered files. Taken before the window is built, so that one during
    // start-up (a start-up question open) is not lost.
    TerminationSignals termination;

    TForm1::Environment environment;
    environment.workingDirectory = QDir::currentPath();
    environment.termination = &termination;
    TForm1 window(environment);

    // A desktop session that asks its programs to save before it ends gets the same, rather
    // than a question nobody is there to answer.
#if QT_CONFIG(sessionmanager)
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.terminate(); });
#endif

    window.show();
    return QApplication::exec();
}
