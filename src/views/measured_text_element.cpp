#include "measured_text_element.h"

#include "paper_plot.h"

// The same sizes QCPTextElement gives: the text's bounds with the margins around it, and as
// wide as the row allows.
QSize MeasuredTextElement::minimumOuterSizeHint() const {
    return textSize().grownBy(mMargins);
}

QSize MeasuredTextElement::maximumOuterSizeHint() const {
    QSize size = textSize();
    size.setWidth(QWIDGETSIZE_MAX);
    size.rheight() += mMargins.top() + mMargins.bottom();
    return size;
}

QSize MeasuredTextElement::textSize() const {
    if (!measured_ || measuredText_ != mText || measuredFont_ != mFont) {
        measuredSize_ =
            QFontMetrics(mFont).boundingRect(0, 0, 0, 0, Qt::TextDontClip, mText).size();
        measuredText_ = mText;
        measuredFont_ = mFont;
        measured_ = true;
    }
    return measuredSize_;
}

// The caption's own row holds nothing but the chart's paper beneath the text.
void MeasuredTextElement::draw(QCPPainter *painter) {
    const auto *plot = dynamic_cast<const PaperPlot *>(mParentPlot);
    if (!plot || !plot->hasOpaquePaper() || !ElementPictureBase::canKeep(*painter)) {
        QCPTextElement::draw(painter);
        return;
    }
    const Look look{mText, mainFont(), mainTextColor(), mTextFlags,
                    mRect.translated(-mOuterRect.topLeft())};
    picture_.paint(*painter, mOuterRect, plot->paper(), look, [this](QCPPainter &on) {
        QCPTextElement::draw(&on);
        pictureTextBounds_ = mTextBoundingRect.translated(-mOuterRect.topLeft());
    });
    // Where the text is, for clicks on it, as drawing it would have told.
    mTextBoundingRect = pictureTextBounds_.translated(mOuterRect.topLeft());
}
