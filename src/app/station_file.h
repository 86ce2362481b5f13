#pragma once

#include <QString>

// The station line file "\Tolmera10.sto": one line of text in the Windows Cyrillic code page,
// ended by CR LF. Neither reading nor writing reports anything to the user.
namespace StationFile {

// Reads the first line of the file into stationName, cut to kStationNameMaxLength
// characters; an empty file gives an empty line. Reads no more than those characters. When the file
// is missing or unreadable, stationName is left as it is and false is returned.
bool read(const QString &path, QString &stationName);

// Replaces the file with stationName as one line ended by CR LF. Returns false, silently,
// when the file cannot be created or completed; the old file then stays as it was.
bool write(const QString &path, const QString &stationName);

} // namespace StationFile
