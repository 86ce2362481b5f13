#include "soak_run.h"
#include "station.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

// velantar_soak --minutes N [--seed S] [--memory-limit-kb K]: the real main window against the
// analyser emulator with a fault every few seconds; non-zero exit when a check failed.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption minutes("minutes", "Length of the run in minutes.", "N", "2");
    const QCommandLineOption seed("seed", "Seed of the fault plan.", "S", "20261209");
    const QCommandLineOption memoryLimit(
        "memory-limit-kb",
        "Most the peak resident size may grow after the first minute; 0 only reports it.", "K",
        "0");
    parser.addOptions({minutes, seed, memoryLimit});
    parser.process(app);
    const int runMinutes = parser.value(minutes).toInt();
    if (runMinutes < 1) {
        qCritical("--minutes takes a whole number of minutes, 1 or more");
        return 2;
    }
    Station station;
    if (!station.start()) {
        qCritical("the emulator could not be started");
        return 2;
    }
    SoakRun run(station, parser.value(seed).toUInt(), runMinutes,
                parser.value(memoryLimit).toLongLong());
    return run.run();
}
