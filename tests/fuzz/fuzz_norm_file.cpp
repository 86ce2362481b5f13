// The norms file reader: a whole file's records are read as they stand, and the table written
// and read back is the same table.

#include "fuzz_input.h"
#include "norm_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input = FuzzInput::bytes(data, size);
    const NormTable table = NormFile::decode(input);
    // Whole records are taken as they stand, whatever their values.
    if (input.size() >= NormFile::kFileSize)
        FuzzInput::expect(NormFile::encode(table) == input.left(NormFile::kFileSize),
                          "a whole file's records are read as the file holds them");
    FuzzInput::expect(NormFile::encode(NormFile::decode(NormFile::encode(table))) ==
                          NormFile::encode(table),
                      "a table written and read back is the same table");
    const NormTable fromFile =
        LoadNormFile(FuzzInput::asFile(input, QStringLiteral("Tolmera10.nor")));
    FuzzInput::expect(NormFile::encode(fromFile) == NormFile::encode(table),
                      "the file gives what its bytes give");
    return 0;
}
