#include "command_interpreter.h"

#include "analyser_state.h"

#include <QRegularExpression>

#include <optional>

namespace {

std::optional<bool> onOff(const QStringList &args) {
    if (args.size() == 1 && args[0] == "on")
        return true;
    if (args.size() == 1 && args[0] == "off")
        return false;
    return std::nullopt;
}

std::optional<int> number(const QString &text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

QString error(const QString &text) {
    return "error: " + text;
}

} // namespace

QString hexBytes(const QByteArray &bytes) {
    QStringList parts;
    for (char c : bytes)
        parts << QString("%1").arg(uint8_t(c), 2, 16, QChar('0')).toUpper();
    return parts.join(' ');
}

QString CommandInterpreter::run(const QString &commandLine, qint64 nowMs) {
    const QStringList words =
        commandLine.trimmed().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    const QString name = words[0];
    const QStringList args = words.mid(1);

    if (name == "quit") {
        quit_ = true;
        return {};
    }
    if (name == "ping")
        return "pong";
    if (name == "set")
        return set(args);
    if (name == "drift") {
        const auto on = onOff(args);
        if (!on)
            return error("usage: drift on|off");
        state_.setDrift(*on);
        return {};
    }
    if (name == "get") {
        if (args != QStringList{"pump"})
            return error("usage: get pump");
        return QString("pump %1").arg(state_.pumpOn() ? 1 : 0);
    }
    if (name == "clock")
        return clock(args, nowMs);
    if (name == "rawclock")
        return rawClock(args);
    if (name == "peek")
        return peek(args);
    if (name == "silent" || name == "trace" || name == "garbage" || name == "rawhex")
        return wire(name, args);
    return mode(name, args);
}

QString CommandInterpreter::set(const QStringList &args) {
    if (args.size() != 2 || !AnalyserState::readingNames().contains(args[0]))
        return error("usage: set " + AnalyserState::readingNames().join('|') + " VALUE");
    const auto value = number(args[1], -32768, 65535);
    if (!value)
        return error("value must be an integer from -32768 to 65535");
    if (!state_.setReading(args[0], *value))
        return error("this analyser has no " + args[0]);
    return {};
}

// Switches and settings that live in the analyser's flag and setting bytes.
QString CommandInterpreter::mode(const QString &name, const QStringList &args) {
    MemorySpace &m = state_.main();
    const QString arg = args.value(0);
    if (name == "pump" || name == "zero" || name == "corrected" || name == "oilmode") {
        const auto on = onOff(args);
        if (!on)
            return error("usage: " + name + " on|off");
        if (name == "pump")
            state_.setPump(*on);
        else if (name == "zero")
            state_.setZeroSetting(*on);
        else
            m.setBits(Addr::ModeFlags,
                      name == "corrected" ? Bit::CorrectedCo : Bit::OilInsteadOfLambda, *on);
        return {};
    }
    if (name == "fuel") {
        const QStringList fuels{"petrol", "gas", "propane"};
        if (args.size() != 1 || !fuels.contains(arg))
            return error("usage: fuel petrol|gas|propane");
        m.setBits(Addr::ModeFlags, Bit::FuelPetrol, arg == "petrol");
        m.setBits(Addr::ModeFlags, Bit::FuelNaturalGas, arg == "gas");
        return {};
    }
    if (name == "menu") {
        const QStringList menus{"none", "pressure", "cylinders", "tacho"};
        if (args.size() != 1 || !menus.contains(arg))
            return error("usage: menu none|pressure|cylinders|tacho");
        m.setBits(Addr::ModeFlags, Bit::PressureMenu, arg == "pressure");
        m.setBits(Addr::MenuFlags, Bit::CylindersMenu, arg == "cylinders");
        m.setBits(Addr::MenuFlags, Bit::TachoMenu, arg == "tacho");
        return {};
    }
    if (name == "status") {
        const int channel = QStringList{"co", "ch", "co2", "o2"}.indexOf(arg);
        const auto value = number(args.value(1), 0, 255);
        if (args.size() != 2 || channel < 0 || !value)
            return error("usage: status co|ch|co2|o2 0..255");
        m.setByte(Addr::ChannelBlock + 64 * channel + Addr::ChannelStatusOffset, uint8_t(*value));
        return {};
    }
    if (name == "cylinders" || name == "tacho") {
        const auto value = number(arg, 0, 255);
        if (args.size() != 1 || !value)
            return error("usage: " + name + " 0..255");
        m.setByte(name == "cylinders" ? Addr::Cylinders : Addr::TachoSensitivity, uint8_t(*value));
        return {};
    }
    return error("unknown command: " + name);
}

QString CommandInterpreter::clock(const QStringList &args, qint64 nowMs) {
    static const QString format = "yyyy-MM-dd HH:mm:ss";
    if (args.isEmpty()) {
        const auto &standing = state_.clock().standing();
        return "clock " + (standing ? BcdClock::figuresText(*standing)
                                    : state_.clock().now(nowMs).toString(format));
    }
    const QDateTime time = QDateTime::fromString(args.join(' '), format);
    if (args.size() != 2 || !time.isValid())
        return error("usage: clock [YYYY-MM-DD HH:MM:SS]");
    state_.clock().set(time, nowMs);
    return {};
}

QString CommandInterpreter::rawClock(const QStringList &args) {
    const auto figures = BcdClock::parseFigures(args.join(' '));
    if (args.size() != 2 || !figures)
        return error("usage: rawclock YYYY-MM-DD HH:MM:SS");
    state_.clock().standAt(*figures);
    return {};
}

QString CommandInterpreter::peek(const QStringList &args) {
    const bool mainSpace = args.value(0) == "main";
    const auto address = number(args.value(1), 0, MemorySpace::Size - 1);
    const auto count = args.size() == 3 ? number(args[2], 1, MemorySpace::Size) : 1;
    if (args.size() < 2 || args.size() > 3 || (!mainSpace && args[0] != "aux") || !address ||
        !count || *address + *count > MemorySpace::Size)
        return error("usage: peek main|aux ADDRESS [COUNT]");
    const MemorySpace &space = mainSpace ? state_.main() : state_.aux();
    QByteArray bytes;
    for (int i = 0; i < *count; ++i)
        bytes.append(char(space.byte(*address + i)));
    return "peek " + hexBytes(bytes);
}

// Commands that act on the line rather than on the analyser.
QString CommandInterpreter::wire(const QString &name, const QStringList &args) {
    if (name == "silent" || name == "trace") {
        const auto on = onOff(args);
        if (!on)
            return error("usage: " + name + " on|off");
        (name == "silent" ? line_.silent : line_.trace) = *on;
        return {};
    }
    QByteArray bytes;
    if (name == "garbage") {
        const auto count = args.size() == 1 ? number(args[0], 0, 65536) : std::nullopt;
        if (!count)
            return error("usage: garbage 0..65536");
        for (int i = 0; i < *count; ++i)
            bytes.append(char(noise_() & 0xFF));
    } else {
        for (const QString &arg : args) {
            bool ok = false;
            const uint value = arg.toUInt(&ok, 16);
            if (!ok || arg.size() > 2)
                return error("usage: rawhex XX XX ...");
            bytes.append(char(value));
        }
    }
    line_.send(bytes);
    return {};
}
