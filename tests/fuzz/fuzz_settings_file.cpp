// The settings file reader: any bytes give a record whose every field lies in its range, and
// writing that record and reading it back gives the same record.

#include "fuzz_input.h"
#include "settings_file.h"
#include "settings_ranges.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input = FuzzInput::bytes(data, size);
    const AppSettings decoded = SettingsFile::decode(input);
    for (int field = 0; field < AppSettings::kFieldCount; ++field)
        FuzzInput::expect(SettingsRanges::of(field).contains(decoded.field(field)),
                          "every field read lies in its range");
    FuzzInput::expect(SettingsFile::decode(SettingsFile::encode(decoded)) == decoded,
                      "a record written and read back is the same record");
    const AppSettings fromFile =
        SettingsFile::read(FuzzInput::asFile(input, QStringLiteral("Tolmera10.dat")));
    FuzzInput::expect(fromFile == decoded, "the file gives what its bytes give");
    return 0;
}
