#include "command_line.h"

#include "taboutbox.h"

namespace CommandLine {

QString versionText() {
    return QStringLiteral("velantar (%1) %2\n"
                          "License GPL-3.0-or-later: <https://www.gnu.org/licenses/gpl-3.0.html>\n")
        .arg(TAboutBox::ProductName, TAboutBox::Version);
}

QString helpText() {
    return QStringLiteral(
        "Usage: velantar [--trace FILE]\n"
        "Companion program for the Velantar exhaust gas analyser (needs a desktop).\n"
        "It works in the current folder: settings, norms, test documents (Text/), graphs\n"
        "(Graph/) and its log velantar.log are kept there.\n"
        "\n"
        "  --trace FILE   write every frame sent to and received from the analyser,\n"
        "                 with its time, to FILE (for a fault report)\n"
        "  -h, --help     print this text and exit\n"
        "  --version      print the version and exit\n"
        "\n"
        "VELANTAR_PORTS=PATH1:PATH2:... chooses the devices of COM1, COM2, ...\n"
        "See velantar(1).\n");
}

Outcome parse(const QStringList &arguments) {
    Outcome outcome;
    const auto fail = [&outcome](const QString &why) {
        outcome.exitStatus = 2;
        outcome.text = QStringLiteral("velantar: %1 (see --help)\n").arg(why);
        return outcome;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            outcome.exitStatus = 0;
            outcome.text = helpText();
            return outcome;
        }
        if (argument == QLatin1String("--version")) {
            outcome.exitStatus = 0;
            outcome.text = versionText();
            return outcome;
        }
        if (argument == QLatin1String("--trace")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return fail(QStringLiteral("--trace needs a file name"));
            outcome.options.traceFile = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("unknown option %1").arg(argument));
        }
        // Anything else (-platform xcb, -display :1, ...) is Qt's.
    }
    return outcome;
}

} // namespace CommandLine
