#include "station_file.h"

#include "app_settings.h"
#include "text_file_1251.h"

namespace StationFile {

bool read(const QString &path, QString &stationName) {
    // One byte of the code page is one character: the line's first 64 bytes are all it keeps.
    const TextFile1251::FirstLineResult first =
        TextFile1251::readFirstLine(path, kStationNameMaxLength);
    if (!first.ok)
        return false;
    stationName = first.line.left(kStationNameMaxLength);
    return true;
}

bool write(const QString &path, const QString &stationName) {
    return TextFile1251::writeLines(path, {stationName}, TextFile1251::LastLineEnd::Terminated);
}

} // namespace StationFile
