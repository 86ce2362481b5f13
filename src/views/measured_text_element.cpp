#include "measured_text_element.h"

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
