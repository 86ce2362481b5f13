#include "settings_file.h"

#include "regular_file.h"
#include "safe_file.h"
#include "settings_ranges.h"
#include "settings_store.h"
#include "user_prompts.h"

#include <QFile>
#include <QtEndian>

namespace SettingsFile {

namespace {

// Fields 15-53 are five 3-element arrays followed by four 6-element arrays (the text and
// background colours, one per text control, and the channel colours and hidden flags, one per
// channel); the file groups them by element index instead of by array. The 6-element group
// takes field 54 + i as its fifth member.
constexpr int kReserved1 = 15, kReserved2 = 18, kReserved3 = 21, kReserved4 = 24;
constexpr int kViewInterval = 27;
constexpr int kTextColor = 30, kBackColor = 36, kChannelColor = 42, kChannelHidden = 48;
constexpr int kGraphStartMode = 54, kWindowMode = 60;
constexpr int kSixGroupSize = kChannelCount;
static_assert(AppSettings::kTextControlCount == kSixGroupSize);

constexpr std::array<int, kWordCount> makeWordOrder() {
    std::array<int, kWordCount> order{};
    int word = 0;
    for (int field = 0; field <= 14; ++field)
        order[word++] = field;
    for (int i = 0; i < 3; ++i)
        for (int array : {kReserved1, kReserved2, kReserved3, kReserved4, kViewInterval})
            order[word++] = array + i;
    for (int i = 0; i < kSixGroupSize; ++i)
        for (int array : {kTextColor, kBackColor, kChannelColor, kChannelHidden, kGraphStartMode})
            order[word++] = array + i;
    for (int field = kWindowMode; field < kWordCount; ++field)
        order[word++] = field;
    return order;
}

constexpr bool isPermutation(const std::array<int, kWordCount> &order) {
    std::array<bool, kWordCount> seen{};
    for (int field : order) {
        if (field < 0 || field >= kWordCount || seen[field])
            return false;
        seen[field] = true;
    }
    return true;
}

constexpr std::array<int, kWordCount> kWordOrder = makeWordOrder();
static_assert(isPermutation(kWordOrder), "every field is stored exactly once");
static_assert(kWordOrder[15] == kReserved1 && kWordOrder[19] == kViewInterval);
static_assert(kWordOrder[30] == kTextColor && kWordOrder[34] == kGraphStartMode);
static_assert(kWordOrder[59] == kGraphStartMode + 5 && kWordOrder[60] == kWindowMode);

} // namespace

const std::array<int, kWordCount> &wordOrder() {
    return kWordOrder;
}

QByteArray encode(const AppSettings &settings) {
    QByteArray bytes(kFileSize, '\0');
    for (int word = 0; word < kWordCount; ++word) {
        const qint32 value =
            word == 0 ? AppSettings::kFormatVersion : settings.field(kWordOrder[word]);
        qToLittleEndian<qint32>(value, bytes.data() + word * 4);
    }
    return bytes;
}

AppSettings decode(const QByteArray &bytes) {
    AppSettings settings;
    const qsizetype wordsPresent = qMin<qsizetype>(bytes.size() / 4, kWordCount);
    if (wordsPresent < 1)
        return settings;
    if (qFromLittleEndian<qint32>(bytes.constData()) != AppSettings::kFormatVersion)
        return settings;
    for (int word = 1; word < wordsPresent; ++word)
        settings.field(kWordOrder[word]) = qFromLittleEndian<qint32>(bytes.constData() + word * 4);
    SettingsRanges::resetOutOfRange(settings);
    return settings;
}

AppSettings read(const QString &path) {
    QFile file(path);
    if (!RegularFile::openForReading(file))
        return AppSettings{};
    const QByteArray bytes = file.read(kFileSize);
    if (file.error() != QFileDevice::NoError)
        return AppSettings{};
    return decode(bytes);
}

bool write(const QString &path, const AppSettings &settings, UserPrompts &prompts) {
    const bool written = SafeFile::write(path, encode(settings)).ok;
    if (!written)
        prompts.message(QString::fromUtf16(kWriteProtectedMessage));
    return written;
}

bool saveAtExit(const QString &path, SettingsStore &settings, const ChangeFlags &flags,
                UserPrompts &prompts) {
    if (flags.ResetSettings)
        settings.replace(AppSettings{});
    return write(path, settings.get(), prompts);
}

} // namespace SettingsFile
