#include "archive_server_settings.h"

#include "safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kHost = QStringLiteral("host");
const QString kPort = QStringLiteral("port");
const QString kDatabase = QStringLiteral("database");
const QString kUser = QStringLiteral("user");

QString settingsPath(const QString &folder) {
    return QDir(folder).filePath(QString::fromUtf16(ArchiveServerFile::SettingsFileName));
}

QString passwordPath(const QString &folder) {
    return QDir(folder).filePath(QString::fromUtf16(ArchiveServerFile::PasswordFileName));
}

void applyLine(ArchiveServerSettings &settings, const QString &line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    const QString name = line.left(equals).trimmed();
    const QString value = line.mid(equals + 1).trimmed();
    if (name == kHost)
        settings.host = value;
    else if (name == kPort)
        settings.port = value.toInt() > 0 && value.toInt() < 65536 ? value.toInt() : 5432;
    else if (name == kDatabase)
        settings.database = value;
    else if (name == kUser)
        settings.user = value;
}

constexpr QFileDevice::Permissions kOthersMayRead =
    QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
    QFileDevice::WriteOther;

} // namespace

namespace ArchiveServerFile {

Loaded load(const QString &folder) {
    Loaded loaded;
    QFile settings(settingsPath(folder));
    if (settings.open(QIODevice::ReadOnly))
        for (const QString &line : QString::fromUtf8(settings.read(64 * 1024)).split(u'\n'))
            applyLine(loaded.settings, line);
    QFile password(passwordPath(folder));
    if (!password.exists())
        return loaded;
    if (QFileInfo(password).permissions() & kOthersMayRead) {
        loaded.warning = QStringLiteral("Пароль архива не использован: файл ") +
                         QDir::toNativeSeparators(password.fileName()) +
                         QStringLiteral(" доступен не только владельцу.");
        return loaded;
    }
    if (password.open(QIODevice::ReadOnly))
        loaded.settings.password = QString::fromUtf8(password.read(4096)).trimmed();
    return loaded;
}

Saved save(const QString &folder, const ArchiveServerSettings &settings) {
    const QString text = QStringLiteral("[server]\n") + kHost + u'=' + settings.host.trimmed() +
                         u'\n' + kPort + u'=' + QString::number(settings.port) + u'\n' + kDatabase +
                         u'=' + settings.database.trimmed() + u'\n' + kUser + u'=' +
                         settings.user.trimmed() + u'\n';
    const SafeFile::WriteResult written = SafeFile::write(settingsPath(folder), text.toUtf8());
    if (!written.ok)
        return {false, written.error};
    if (settings.password.isEmpty()) {
        QFile::remove(passwordPath(folder));
        return {true, {}};
    }
    // The temporary file gets the owner-only permissions before any byte is in it.
    QSaveFile password(passwordPath(folder));
    if (!password.open(QIODevice::WriteOnly) ||
        !password.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        password.write(settings.password.toUtf8() + '\n') < 0 || !password.commit())
        return {false, password.errorString()};
    return {true, {}};
}

} // namespace ArchiveServerFile
