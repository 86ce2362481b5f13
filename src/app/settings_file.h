#pragma once

#include "app_settings.h"

#include <QByteArray>
#include <QString>

#include <array>

class SettingsStore;
class UserPrompts;

// The settings file "\Tolmera10.dat": AppSettings as 89 little-endian signed 32-bit words
// (356 bytes) with no header, in this order of record indices:
//   word 0              FormatVersion (always 23)
//   words 1-14          fields 1-14
//   for i = 0..2        Reserved1[i], Reserved2[i], Reserved3[i], Reserved4[i], ViewInterval[i]
//   for i = 0..5        TextColor[i], BackColor[i], ChannelColor[i], ChannelHidden[i], field 54+i
//   words 60-88         fields 60-88
namespace SettingsFile {

inline constexpr int kWordCount = AppSettings::kFieldCount;
inline constexpr int kFileSize = kWordCount * 4;

inline constexpr char16_t kWriteProtectedMessage[] = u"Диск защищен от записи.";

// For each word of the file, the record index of the field it holds.
const std::array<int, kWordCount> &wordOrder();

// The file's bytes for a record. Word 0 is always the format version 23.
QByteArray encode(const AppSettings &settings);

// The record a file's bytes give: the defaults when the bytes are shorter than one word or
// the first word is not 23; otherwise each complete word present sets its field and the
// fields of missing words keep their defaults. A trailing partial word and bytes after the
// 89th word are ignored. A value outside its field's range (settings_ranges.h) gets the
// field's default.
AppSettings decode(const QByteArray &bytes);

// Reads the file; never fails. The file is opened for reading only, so settings kept in a
// read-only file or on a write-protected medium are still used. A missing or unreadable file
// and any read error give the defaults. Reads no more than the 356 bytes the record uses.
AppSettings read(const QString &path);

// Replaces the file with the record. The old file stays whole until the new one is complete.
// When the file cannot be created or completed, shows "Диск защищен от записи." and returns
// false.
bool write(const QString &path, const AppSettings &settings, UserPrompts &prompts);

// The save at exit: when the reset settings flag is set, the record is first reset to its
// defaults; then it is written as by write().
bool saveAtExit(const QString &path, SettingsStore &settings, const ChangeFlags &flags,
                UserPrompts &prompts);

} // namespace SettingsFile
