#pragma once

#include <QFile>
#include <QString>

// A log file that stays small: once it has grown past its limit it becomes NAME.1 (the
// previous NAME.1 goes) and a new NAME begins, so at most about twice the limit is kept.
// The file is opened at the first line, so a run without trouble leaves no file behind.
// Every line goes straight to the system (no buffer to lose when the program is killed).
class RotatingLog {
public:
    static constexpr qint64 DefaultLimit = 256 * 1024;

    explicit RotatingLog(QString path, qint64 limit = DefaultLimit);

    // Appends one line (the line end is added). False when the file cannot be written;
    // the caller has standard error as well, so nothing else is done about it.
    bool append(const QString &line);
    QString path() const { return path_; }

private:
    bool openForAppend();

    QString path_;
    qint64 limit_;
    QFile file_;
};
