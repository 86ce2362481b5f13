#include "graph_captions.h"

#include <array>

namespace GraphCaptionText {

namespace {

constexpr int kTitleLength = 70;

bool forbiddenInFileName(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"\\/:*?\"<>|").contains(c);
}

} // namespace

QString trimmedVehicleText(const QString &text) {
    return text.trimmed().left(kVehicleTextMaxLength);
}

GraphCaptions captions(const GraphCaptionInputs &inputs, const QLocale &locale) {
    GraphCaptions out;
    out.title = (QStringLiteral("СТО:  ") + inputs.stationName).left(kTitleLength);

    // Each piece is cut where the footer would pass its length; texts of 15 characters or
    // less are never cut.
    struct Piece {
        QString text;
        int limit;
    };
    const std::array<Piece, 6> pieces = {{
        {QStringLiteral("№ авт.:   ") + inputs.numberText, 25},
        {QStringLiteral("    "), 29},
        {inputs.detailLabel, 44},
        {QStringLiteral("   "), 47},
        {inputs.detailText, 62},
        {QStringLiteral("    Дата: "), 72},
    }};
    for (const Piece &piece : pieces)
        out.footer = (out.footer + piece.text).left(piece.limit);
    out.footer += locale.toString(inputs.graphDate, QLocale::ShortFormat);
    return out;
}

QString suggestedFileName(const QString &numberText, const QDateTime &now) {
    const QString number = numberText.trimmed();
    QString name = number.isEmpty() ? QString() : number + u'_';
    name += QString::asprintf("%02d-%02d_%02d-%02d", now.date().month(), now.date().day(),
                              now.time().hour(), now.time().minute());
    for (QChar &c : name)
        if (forbiddenInFileName(c))
            c = u'_';
    return name;
}

} // namespace GraphCaptionText
