// The printer header file as the program takes it: read, brought within the analyser's
// limits and turned into the 64 bytes sent to the analyser. Whatever the file holds, the
// header keeps to at most 21 characters a line and 63 with the line ends.

#include "analyser_commands.h"
#include "fuzz_input.h"
#include "header_normalizer.h"
#include "printer_header_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto lines = PrinterHeaderFile::load(
        FuzzInput::asFile(FuzzInput::bytes(data, size), QStringLiteral("nastr.set")));
    FuzzInput::expect(lines.has_value(), "an existing file is read");
    HeaderPosition cursor{int(size % 7), int(size % 90)};
    const QStringList header = NormalizeHeader(*lines, &cursor);
    FuzzInput::expect(HeaderTotal(header) <= MaxHeaderTotal, "at most 63 characters and line ends");
    for (const QString &line : header)
        FuzzInput::expect(line.size() <= MaxHeaderLineLength, "at most 21 characters a line");
    FuzzInput::expect(cursor.line >= 0 && cursor.column >= 0 &&
                          (header.isEmpty() || (cursor.line < header.size() &&
                                                cursor.column <= header[cursor.line].size())),
                      "the cursor stays inside the header");
    AnalyserCommands::headerBytes(header);
    return 0;
}
