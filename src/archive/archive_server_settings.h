#pragma once

#include <QString>

// Where the station's shared register is kept: a PostgreSQL server, set in the options. Kept
// in files of their own in the working folder, so the settings file keeps its layout:
// "archive.ini" (server, port, database, user) and the password alone in "archive.password",
// readable by its owner only. No server named: the archive stays in the local SQLite file.
struct ArchiveServerSettings {
    QString host;
    int port = 5432;
    QString database = QStringLiteral("velantar");
    QString user;
    QString password;

    bool configured() const { return !host.trimmed().isEmpty(); }
    friend bool operator==(const ArchiveServerSettings &, const ArchiveServerSettings &) = default;
};

namespace ArchiveServerFile {

inline constexpr char16_t SettingsFileName[] = u"archive.ini";
inline constexpr char16_t PasswordFileName[] = u"archive.password";

struct Loaded {
    ArchiveServerSettings settings;
    // Set when the password file can be read by others than its owner: the password is not
    // used, and the operator is told this text.
    QString warning;
};
// The settings in `folder`; missing files give the defaults (no server).
Loaded load(const QString &folder);

struct Saved {
    bool ok = false;
    QString error;
};
// Both files; the password file is created readable and writable by its owner only, and
// removed when the password is empty.
Saved save(const QString &folder, const ArchiveServerSettings &settings);

} // namespace ArchiveServerFile
