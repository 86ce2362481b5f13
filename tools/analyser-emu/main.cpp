// analyser-emu: an exhaust gas analyser on a pseudo-terminal (or a serial device).
// Prints the device path as the first line of standard output, then answers the
// analyser's wire protocol until standard input closes or says "quit".

#include "analyser_state.h"
#include "command_interpreter.h"
#include "frames.h"
#include "serial_line.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

static void printLine(const QString &line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

struct Options {
    Kind kind = Kind::FourComponent;
    QString device;
    bool silent = false;
    QString rawClock; // "YYYY-MM-DD HH:MM:SS", taken as by the console's rawclock
};

static bool parseArguments(const QStringList &args, Options *options) {
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--kind" && i + 1 < args.size()) {
            const QString kind = args[++i];
            if (kind != "4" && kind != "2" && kind != "0")
                return false;
            options->kind = Kind(kind.toInt());
        } else if (args[i] == "--device" && i + 1 < args.size()) {
            options->device = args[++i];
        } else if (args[i] == "--silent") {
            options->silent = true;
        } else if (args[i] == "--raw-clock" && i + 1 < args.size()) {
            options->rawClock = args[++i];
        } else {
            return false;
        }
    }
    return true;
}

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    Options options;
    const char *usage =
        "usage: analyser-emu [--kind 4|2|0] [--device PATH] [--silent]\n"
        "                    [--raw-clock 'YYYY-MM-DD HH:MM:SS']\n"
        "Plays the Velantar exhaust gas analyser on a pseudo-terminal; prints its\n"
        "path, then takes console commands on standard input. See velantar-emu(1).\n";
    if (app.arguments().contains(QStringLiteral("--help"))) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (!parseArguments(app.arguments(), &options)) {
        std::fputs(usage, stderr);
        return 2;
    }

    SerialLine line;
    QString error;
    if (!(options.device.isEmpty() ? line.openPseudoTerminal(&error)
                                   : line.openDevice(options.device, &error))) {
        std::fprintf(stderr, "analyser-emu: %s\n", error.toLocal8Bit().constData());
        return 1;
    }

    QElapsedTimer monotonic;
    monotonic.start();
    AnalyserState state(options.kind, QDateTime::currentDateTime(), monotonic.elapsed());
    LineControl control;
    control.silent = options.silent;
    control.send = [&line](const QByteArray &bytes) { line.write(bytes); };
    CommandInterpreter console(state, control);
    FrameAssembler assembler;
    if (!options.rawClock.isEmpty()) {
        const QString refused = console.run("rawclock " + options.rawClock, monotonic.elapsed());
        if (!refused.isEmpty()) {
            std::fprintf(stderr, "analyser-emu: --raw-clock: %s\n",
                         refused.toLocal8Bit().constData());
            return 2;
        }
    }

    printLine(line.path());

    QSocketNotifier lineReady(line.fd(), QSocketNotifier::Read);
    QObject::connect(&lineReady, &QSocketNotifier::activated, [&] {
        const QByteArray bytes = line.readAvailable();
        if (line.failed()) {
            lineReady.setEnabled(false);
            printLine("error: the line was closed");
        }
        const qint64 now = monotonic.elapsed();
        state.advance(now);
        assembler.feed(bytes, [&](const Frame &frame) {
            if (control.trace)
                printLine("rx " + hexBytes(frame.bytes()));
            if (!control.silent)
                line.write(respond(state, frame, now));
        });
    });

    QByteArray pendingInput;
    QSocketNotifier inputReady(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&inputReady, &QSocketNotifier::activated, [&] {
        char chunk[1024];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            return;
        if (n <= 0) {
            inputReady.setEnabled(false);
            app.quit();
            return;
        }
        pendingInput.append(chunk, int(n));
        for (qsizetype end; (end = pendingInput.indexOf('\n')) >= 0;) {
            const QString command = QString::fromUtf8(pendingInput.left(end));
            pendingInput.remove(0, end + 1);
            state.advance(monotonic.elapsed());
            const QString reply = console.run(command, monotonic.elapsed());
            if (!reply.isEmpty())
                printLine(reply);
            if (console.quitRequested()) {
                app.quit();
                return;
            }
        }
    });

    QTimer drift;
    QObject::connect(&drift, &QTimer::timeout, [&] {
        state.drift();
        state.advance(monotonic.elapsed());
    });
    drift.start(500);

    return app.exec();
}
