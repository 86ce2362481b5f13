// An information page text (and the help text, read the same way): any file gives lines
// without line ends, from no more than the bytes the view reads.

#include "fuzz_input.h"
#include "text_file_1251.h"

#include <algorithm>

namespace {

// The information view reads page texts up to this size (InfoView::MaxTextBytes); here a
// smaller limit puts the cut inside the inputs the fuzzer makes.
constexpr qint64 kReadLimit = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path =
        FuzzInput::asFile(FuzzInput::bytes(data, size), QStringLiteral("Inf0.txt"));
    for (const qint64 limit : {TextFile1251::kWholeFile, kReadLimit}) {
        const TextFile1251::ReadResult read = TextFile1251::readLines(path, limit);
        FuzzInput::expect(read.ok, "an existing file is read");
        qsizetype characters = 0;
        for (const QString &line : read.lines) {
            FuzzInput::expect(!line.contains(u'\r') && !line.contains(u'\n'),
                              "a line holds no line end");
            characters += line.size();
        }
        const qint64 bytesRead = limit < 0 ? qint64(size) : std::min<qint64>(limit, qint64(size));
        FuzzInput::expect(characters <= bytesRead, "one character at most per byte read");
    }
    return 0;
}
