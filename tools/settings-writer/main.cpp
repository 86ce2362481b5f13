// velantar-settings: writes a settings file "Tolmera10.dat" with chosen fields, so a script
// can prepare a working folder (for example the view shown at start) without knowing the
// file's interleaved word order.
//
//   velantar-settings FILE [INDEX=VALUE ...]
//
// Starts from the record FILE holds (the defaults when it is missing or unreadable), sets each
// field by its record index (1 CurrentView, 60 WindowMode, ... as in app_settings.h) and
// writes FILE again.

#include "app_settings.h"
#include "safe_file.h"
#include "settings_file.h"

#include <QCoreApplication>
#include <QTextStream>

#include <optional>

namespace {

struct Assignment {
    int index = 0;
    qint32 value = 0;
};

// "INDEX=VALUE" with 1 <= INDEX < 89 (the format version at 0 is not the user's to change)
// and VALUE a signed 32-bit integer.
std::optional<Assignment> parseAssignment(const QString &text) {
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    bool indexOk = false, valueOk = false;
    const int index = text.left(equals).toInt(&indexOk);
    const qint32 value = text.mid(equals + 1).toInt(&valueOk);
    if (!indexOk || !valueOk || index < 1 || index >= AppSettings::kFieldCount)
        return std::nullopt;
    return Assignment{index, value};
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first().startsWith('-')) {
        err << "usage: velantar-settings FILE [INDEX=VALUE ...]\n"
               "  sets settings fields by record index (1 CurrentView: 0 information, 1 table,\n"
               "  2 report, 4 diagram, 5 graph, 6 readings; see app_settings.h)\n";
        return 2;
    }

    const QString path = arguments.first();
    AppSettings settings = SettingsFile::read(path);
    for (const QString &text : arguments.mid(1)) {
        const std::optional<Assignment> assignment = parseAssignment(text);
        if (!assignment) {
            err << "velantar-settings: not INDEX=VALUE with INDEX 1.."
                << AppSettings::kFieldCount - 1 << ": " << text << "\n";
            return 2;
        }
        settings.field(assignment->index) = assignment->value;
    }

    const SafeFile::WriteResult written = SafeFile::write(path, SettingsFile::encode(settings));
    if (!written.ok) {
        err << "velantar-settings: cannot write " << path << ": " << written.error << "\n";
        return 1;
    }
    return 0;
}
