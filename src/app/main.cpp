#include "termination_signals.h"
#include "tform1.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velantar"));
    QApplication::setApplicationDisplayName(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));

    TForm1::Environment environment;
    environment.workingDirectory = QDir::currentPath();
    TForm1 window(environment);

    // A logout or Ctrl+C closes the window the way the user would, saving the settings.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     &QWidget::close);

    window.show();
    return QApplication::exec();
}
