#include "app_log.h"
#include "command_line.h"
#include "folder_lock.h"
#include "log_categories.h"
#include "message_box_prompts.h"
#include "program_font.h"
#include "serial_trace.h"
#include "termination_signals.h"
#include "text_fit.h"
#include "tform1.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[]) {
    // --help and --version answer before a window system is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Outcome command = CommandLine::parse(arguments);
    if (command.exitStatus) {
        std::fputs(command.text.toLocal8Bit().constData(), *command.exitStatus ? stderr : stdout);
        return *command.exitStatus;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velantar"));
    ProgramFont::install();
    TextFit::fitDialogTexts();

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

    // The desktop matches the window with its menu entry and shows the installed icon (the
    // built-in one in the source tree).
    QGuiApplication::setDesktopFileName(QStringLiteral("velantar"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("velantar"),
                                                 QIcon(QStringLiteral(":/info/about_icon.png"))));

    TForm1::Environment environment;
    environment.workingDirectory = QDir::currentPath();

    // A second copy in the same folder tells so and ends before it reads or writes any file;
    // a termination signal closes its message.
    FolderLock folderLock(environment.workingDirectory);
    {
        MessageBoxPrompts prompts;
        QObject scope;
        QObject::connect(&termination, &TerminationSignals::terminationRequested, &scope,
                         [&prompts] { prompts.abandon(); });
        if (!folderLock.takeOrTell(prompts))
            return 1;
    }

    // Warnings and errors also go to the working folder's log; the serial trace, when asked
    // for, to its file.
    const SystemClock clock;
    const AppLog log(QDir::currentPath(), clock);
    SerialTrace trace(command.options.traceFile, clock);
    if (!command.options.traceFile.isEmpty()) {
        if (trace.open())
            trace.makeCurrent();
        else
            qCCritical(lcApp).noquote() << "cannot write the serial trace"
                                        << command.options.traceFile << ":" << trace.errorString();
    }

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
