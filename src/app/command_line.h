#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line, read before any window exists (so --help and --version work
// without a display):
//   velantar [--trace FILE]   velantar --help   velantar --version
// Options the windowing system takes (-platform, -display, ...) are left to it.
namespace CommandLine {

struct Options {
    QString traceFile; // empty: no serial trace
};

struct Outcome {
    Options options;
    // Set when the program ends at once with this status after printing `text` to standard
    // output (status 0) or standard error (otherwise).
    std::optional<int> exitStatus;
    QString text;
};

// arguments[0] is the program's name.
Outcome parse(const QStringList &arguments);
QString versionText();
QString helpText();

} // namespace CommandLine
