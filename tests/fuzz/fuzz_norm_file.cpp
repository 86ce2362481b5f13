// The norms file reader: any bytes give limits within their channels' ranges, and the table
// written and read back is the same table.

#include "fuzz_input.h"
#include "norm_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input = FuzzInput::bytes(data, size);
    const NormTable table = NormFile::decode(input);
    for (int category = 0; category < NormTable::kCategoryCount; ++category)
        for (int variant = 0; variant < NormTable::kVariantCount; ++variant)
            for (int column = 0; column < NormSet::kFieldCount; ++column) {
                const qint16 value = table.row(category, variant).field(column);
                FuzzInput::expect(value >= 0 && value <= displayMaximum(ChannelOfColumn(column)),
                                  "every limit read lies in its channel's range");
            }
    FuzzInput::expect(NormFile::encode(NormFile::decode(NormFile::encode(table))) ==
                          NormFile::encode(table),
                      "a table written and read back is the same table");
    const NormTable fromFile =
        LoadNormFile(FuzzInput::asFile(input, QStringLiteral("Tolmera10.nor")));
    FuzzInput::expect(NormFile::encode(fromFile) == NormFile::encode(table),
                      "the file gives what its bytes give");
    return 0;
}
