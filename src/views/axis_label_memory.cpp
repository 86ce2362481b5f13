#include "axis_label_memory.h"

#include "qcustomplot.h"

#include <QHash>

#include <memory>

namespace {

constexpr int kTickLabelPictures = 256;
// Bounds of this many label texts are kept before they are all forgotten.
constexpr int kLaidOutLabels = 1024;

// The painter QCustomPlot's axis draws with, which also keeps what laying out a label's text
// gave. What that depends on besides the text and the font is what QCustomPlot's own
// label store depends on, so the two are forgotten together.
class RememberingAxisPainter : public QCPAxisPainterPrivate {
public:
    using QCPAxisPainterPrivate::QCPAxisPainterPrivate;

    void draw(QCPPainter *painter) override {
        forgetIfChanged();
        QCPAxisPainterPrivate::draw(painter);
    }
    int size() override {
        forgetIfChanged();
        return QCPAxisPainterPrivate::size();
    }
    void keepPictures(int count) { mLabelCache.setMaxCost(count); }

protected:
    TickLabelData getTickLabelData(const QFont &font, const QString &text) const override {
        if (font != laidOutFont_) {
            laidOut_.clear();
            laidOutFont_ = font;
        }
        if (const auto found = laidOut_.constFind(text); found != laidOut_.cend())
            return *found;
        if (laidOut_.size() >= kLaidOutLabels)
            laidOut_.clear();
        return *laidOut_.insert(text, QCPAxisPainterPrivate::getTickLabelData(font, text));
    }

private:
    void forgetIfChanged() {
        QByteArray parameters = generateLabelParameterHash();
        parameters += mParentPlot->locale().exponential().toUtf8();
        if (parameters != laidOutParameters_) {
            laidOut_.clear();
            laidOutParameters_ = std::move(parameters);
        }
    }

    QByteArray laidOutParameters_;
    mutable QFont laidOutFont_;
    mutable QHash<QString, TickLabelData> laidOut_;
};

// The axis painter is the axis's own, created with the axis and set up by its setters
// since: the new one takes over every setting.
void takeOver(QCPAxisPainterPrivate &to, const QCPAxisPainterPrivate &from) {
    to.type = from.type;
    to.basePen = from.basePen;
    to.lowerEnding = from.lowerEnding;
    to.upperEnding = from.upperEnding;
    to.labelPadding = from.labelPadding;
    to.labelFont = from.labelFont;
    to.labelColor = from.labelColor;
    to.label = from.label;
    to.tickLabelPadding = from.tickLabelPadding;
    to.tickLabelRotation = from.tickLabelRotation;
    to.tickLabelSide = from.tickLabelSide;
    to.substituteExponent = from.substituteExponent;
    to.numberMultiplyCross = from.numberMultiplyCross;
    to.tickLengthIn = from.tickLengthIn;
    to.tickLengthOut = from.tickLengthOut;
    to.subTickLengthIn = from.subTickLengthIn;
    to.subTickLengthOut = from.subTickLengthOut;
    to.tickPen = from.tickPen;
    to.subTickPen = from.subTickPen;
    to.tickLabelFont = from.tickLabelFont;
    to.tickLabelColor = from.tickLabelColor;
    to.axisRect = from.axisRect;
    to.viewportRect = from.viewportRect;
    to.offset = from.offset;
    to.abbreviateDecimalPowers = from.abbreviateDecimalPowers;
    to.reversedEndings = from.reversedEndings;
    to.subTickPositions = from.subTickPositions;
    to.tickPositions = from.tickPositions;
    to.tickLabels = from.tickLabels;
}

// The axis keeps its painter in a protected member, which a derived class may name.
struct PainterOf : QCPAxis {
    static constexpr auto painter = &PainterOf::mAxisPainter;
};

} // namespace

void rememberTickLabels(QCPAxis *axis) {
    QCPAxisPainterPrivate *&painter = axis->*PainterOf::painter;
    auto remembering = std::make_unique<RememberingAxisPainter>(axis->parentPlot());
    takeOver(*remembering, *painter);
    remembering->keepPictures(kTickLabelPictures);
    delete painter;
    painter = remembering.release();
}
