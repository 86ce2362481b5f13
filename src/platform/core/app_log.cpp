#include "app_log.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>

#include <cstdio>

namespace {

AppLog *active = nullptr;
QMutex writing;                     // Qt reports from other threads too
thread_local bool handling = false; // a warning raised while writing the log is not logged

const char *levelName(QtMsgType type) {
    switch (type) {
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "error";
    case QtFatalMsg:
        return "fatal";
    case QtInfoMsg:
        return "info";
    case QtDebugMsg:
        break;
    }
    return "debug";
}

// The program's own warnings and errors, and the errors of Qt: Qt's warnings (a font not
// found, a window hint the platform ignores) would only bury them.
bool belongsInLog(QtMsgType type, const char *category) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        return true;
    return type == QtWarningMsg && category && qstrncmp(category, "velantar.", 9) == 0;
}

} // namespace

AppLog::AppLog(const QString &folder, const Clock &clock)
    : log_(QDir(folder).filePath(QString::fromLatin1(FileName))), clock_(clock),
      previous_(qInstallMessageHandler(&AppLog::handle)) {
    active = this;
}

AppLog::~AppLog() {
    qInstallMessageHandler(previous_);
    active = nullptr;
}

QString AppLog::line(const QDateTime &time, QtMsgType type, const char *category,
                     const QString &message) {
    return QStringLiteral("%1 %2 %3: %4")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
             QLatin1String(levelName(type)), QLatin1String(category ? category : "default"),
             message);
}

void AppLog::handle(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    AppLog *log = active;
    if (log && !handling && belongsInLog(type, context.category)) {
        const QMutexLocker lock(&writing);
        handling = true;
        log->log_.append(line(log->clock_.now(), type, context.category, message));
        handling = false;
    }
    if (log && log->previous_)
        log->previous_(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
