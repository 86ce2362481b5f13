#include "rotating_log.h"

#include <utility>

RotatingLog::RotatingLog(QString path, qint64 limit) : path_(std::move(path)), limit_(limit) {}

bool RotatingLog::openForAppend() {
    file_.setFileName(path_);
    return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool RotatingLog::append(const QString &line) {
    if (!file_.isOpen() && !openForAppend())
        return false;
    if (file_.size() >= limit_) {
        file_.close();
        const QString older = path_ + QStringLiteral(".1");
        QFile::remove(older);
        QFile::rename(path_, older);
        if (!openForAppend())
            return false;
    }
    const QByteArray bytes = line.toUtf8() + '\n';
    return file_.write(bytes) == bytes.size();
}
