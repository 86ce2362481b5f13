// The graph file reader: any bytes give at most the samples the header counts and the bytes
// hold, each at a time of day, vehicle texts of at most 15 characters, and the same result
// from the bytes in memory as from a file.

#include "fuzz_input.h"
#include "graph_file.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input = FuzzInput::bytes(data, size);
    const GraphFile::ReadResult decoded = GraphFile::decode(input);
    FuzzInput::expect(decoded.status != GraphFile::ReadStatus::Unreadable,
                      "bytes in memory are never unreadable");
    FuzzInput::expect(qsizetype(decoded.samples.size()) <= input.size() / GraphFile::kRecordBytes,
                      "no more samples than the bytes hold");
    FuzzInput::expect(qsizetype(decoded.samples.size()) <= GraphFile::kMaxSamples,
                      "no more samples than a file can count");
    for (const TimedReading &sample : decoded.samples)
        FuzzInput::expect(sample.msecsOfDay >= 0 && sample.msecsOfDay < 24 * 3600 * 1000,
                          "every sample is at a time of day");
    FuzzInput::expect(decoded.numberText.value_or(QString()).size() <= kVehicleTextMaxLength &&
                          decoded.detailText.value_or(QString()).size() <= kVehicleTextMaxLength,
                      "the vehicle texts have at most 15 characters");

    QBuffer buffer;
    buffer.setData(input);
    buffer.open(QIODevice::ReadOnly);
    const GraphFile::ReadResult fromDevice = GraphFile::read(buffer);
    FuzzInput::expect(fromDevice.samples.size() == decoded.samples.size() &&
                          fromDevice.status == decoded.status,
                      "a device gives what its bytes give");
    const GraphFile::ReadResult fromFile =
        GraphFile::open(FuzzInput::asFile(input, QStringLiteral("graph.dan")));
    FuzzInput::expect(fromFile.samples.size() == decoded.samples.size() &&
                          fromFile.status == decoded.status,
                      "a file gives what its bytes give");
    return 0;
}
