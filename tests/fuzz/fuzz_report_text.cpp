// A test document opened into the report view: any file gives lines without line ends, and
// one above the size limit gives nothing.

#include "fuzz_input.h"
#include "report_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const ReportFile::ReportOpenResult opened = ReportFile::openReport(
        FuzzInput::asFile(FuzzInput::bytes(data, size), QStringLiteral("report.txt")));
    FuzzInput::expect(opened.ok == (qint64(size) <= ReportFile::kMaxFileBytes),
                      "every file up to the limit opens");
    for (const QString &line : opened.lines)
        FuzzInput::expect(!line.contains(u'\r') && !line.contains(u'\n'),
                          "a line holds no line end");
    return 0;
}
