// The station line reader: any file gives one line of at most 64 characters, without a line
// end in it.

#include "app_settings.h"
#include "fuzz_input.h"
#include "station_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QString station = QStringLiteral("unchanged");
    const bool read = StationFile::read(
        FuzzInput::asFile(FuzzInput::bytes(data, size), QStringLiteral("Tolmera10.sto")), station);
    FuzzInput::expect(read, "an existing file is read");
    FuzzInput::expect(station.size() <= kStationNameMaxLength,
                      "the line has at most 64 characters");
    FuzzInput::expect(!station.contains(u'\r') && !station.contains(u'\n'),
                      "the line holds no line end");
    return 0;
}
