#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <random>

class AnalyserState;

// Bytes as upper-case hex pairs separated by spaces: "D0 80 00 50".
QString hexBytes(const QByteArray &bytes);

// Switches of the line itself, shared with the loop that serves the line.
struct LineControl {
    bool silent = false; // requests are received but nothing is done or answered
    bool trace = false;  // every received frame is reported as "rx HH HH HH HH"
    std::function<void(const QByteArray &)> send;
};

// The emulator's console: one command per line on standard input. A query answers
// with exactly one line; a command that only changes state answers nothing, and a
// wrong one answers a line starting with "error:". The commands are listed in
// README.md.
class CommandInterpreter {
public:
    CommandInterpreter(AnalyserState &state, LineControl &line) : state_(state), line_(line) {}

    // Runs one line; returns the text to print (empty: nothing to print).
    QString run(const QString &commandLine, qint64 nowMs);
    bool quitRequested() const { return quit_; }

private:
    QString set(const QStringList &args);
    QString mode(const QString &name, const QStringList &args);
    QString clock(const QStringList &args, qint64 nowMs);
    QString rawClock(const QStringList &args);
    QString peek(const QStringList &args);
    QString wire(const QString &name, const QStringList &args);

    AnalyserState &state_;
    LineControl &line_;
    std::minstd_rand noise_{4242};
    bool quit_ = false;
};
