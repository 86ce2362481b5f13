#include "emulator_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

EmulatorProcess::EmulatorProcess(const QStringList &arguments) : arguments_(arguments) {}

EmulatorProcess::~EmulatorProcess() {
    stop();
}

QString EmulatorProcess::executable() {
    const QString fromEnvironment = qEnvironmentVariable("VELANTAR_EMU");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QCoreApplication::applicationDirPath() + "/../analyser-emu";
}

bool EmulatorProcess::start(int timeoutMs) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setReadChannel(QProcess::StandardOutput);
    process_.start(executable(), arguments_);
    if (!process_.waitForStarted(timeoutMs))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    while (replies_.isEmpty()) {
        if (!readLines(int(deadline.remainingTime())))
            return false;
    }
    devicePath_ = replies_.takeFirst();
    return !devicePath_.isEmpty();
}

void EmulatorProcess::command(const QString &line) {
    process_.write((line + '\n').toUtf8());
    process_.waitForBytesWritten(1000);
}

QString EmulatorProcess::query(const QString &line, int timeoutMs) {
    command(line);
    const QDeadlineTimer deadline(timeoutMs);
    while (replies_.isEmpty()) {
        if (!readLines(int(deadline.remainingTime())))
            return {};
    }
    return replies_.takeFirst();
}

QStringList EmulatorProcess::takeTrace() {
    QStringList taken;
    taken.swap(trace_);
    return taken;
}

void EmulatorProcess::pump(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        if (!readLines(int(deadline.remainingTime())) && process_.state() != QProcess::Running)
            break;
}

void EmulatorProcess::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    command("quit");
    process_.closeWriteChannel();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

void EmulatorProcess::kill() {
    process_.kill();
    process_.waitForFinished(3000);
}

bool EmulatorProcess::readLines(int timeoutMs) {
    if (process_.bytesAvailable() == 0 && !process_.waitForReadyRead(qMax(timeoutMs, 0)))
        return false;
    partial_ += process_.readAllStandardOutput();
    for (qsizetype end; (end = partial_.indexOf('\n')) >= 0;) {
        sortLine(QString::fromUtf8(partial_.left(end)));
        partial_.remove(0, end + 1);
    }
    return true;
}

void EmulatorProcess::sortLine(const QString &line) {
    if (line.startsWith("rx "))
        trace_ << line;
    else
        replies_ << line;
}
