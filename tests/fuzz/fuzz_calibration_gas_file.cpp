// The calibration gas file reader: any bytes give four kits, the same ones again when written
// and read back, and the file gives what its bytes give.

#include "calibration_gas_kits.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input = FuzzInput::bytes(data, size);
    const CalibrationGasKits kits = CalibrationGasFile::decode(input);
    const QByteArray written = CalibrationGasFile::encode(kits);
    FuzzInput::expect(written.size() == CalibrationGasFile::kFileSize, "the file has 192 bytes");
    FuzzInput::expect(CalibrationGasFile::encode(CalibrationGasFile::decode(written)) == written,
                      "kits written and read back are the same kits");
    const CalibrationGasKits fromFile =
        CalibrationGasFile::load(FuzzInput::asFile(input, QStringLiteral("Tolmera10.pgs")));
    FuzzInput::expect(CalibrationGasFile::encode(fromFile) == written,
                      "the file gives what its bytes give");
    return 0;
}
