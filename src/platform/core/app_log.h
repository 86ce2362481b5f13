#pragma once

#include "clock.h"
#include "rotating_log.h"

#include <QtGlobal>

// While it lives, every warning and error of the program's own categories (and every error
// of Qt's) is also appended to the working folder's log, one line each:
//   2026-12-09 14:03:07.125 warning velantar.link: the analyser stopped answering on COM1
// Standard error (the journal under a desktop session) gets them as before, through the
// handler that was installed first. One instance at a time.
class AppLog {
public:
    static constexpr const char *FileName = "velantar.log";

    AppLog(const QString &folder, const Clock &clock);
    ~AppLog();
    AppLog(const AppLog &) = delete;
    AppLog &operator=(const AppLog &) = delete;

    QString path() const { return log_.path(); }
    // The line written for one message (also used by the tests).
    static QString line(const QDateTime &time, QtMsgType type, const char *category,
                        const QString &message);

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    RotatingLog log_;
    const Clock &clock_;
    QtMessageHandler previous_;
};
