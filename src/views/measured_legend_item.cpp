#include "measured_legend_item.h"

#include <QDataStream>

QByteArray MeasuredLegendItem::measure() const {
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << (mPlottable ? mPlottable->name() : QString()) << getFont() << mParentLegend->iconSize()
        << mParentLegend->iconTextPadding() << mMargins.left() << mMargins.top() << mMargins.right()
        << mMargins.bottom();
    return key;
}

QSize MeasuredLegendItem::minimumOuterSizeHint() const {
    QByteArray key = measure();
    if (key != measured_) {
        size_ = QCPPlottableLegendItem::minimumOuterSizeHint();
        measured_ = std::move(key);
    }
    return size_;
}

QByteArray MeasuredLegendItem::look() const {
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << measure() << getTextColor() << getIconBorderPen()
        << mRect.translated(-mOuterRect.topLeft());
    if (mPlottable)
        out << mPlottable->pen() << mPlottable->brush() << mPlottable->antialiased();
    return key;
}

// An entry's cell holds nothing but the legend's own fill beneath it.
void MeasuredLegendItem::draw(QCPPainter *painter) {
    const QBrush fill = mParentLegend->brush();
    const bool onPaper = fill.style() == Qt::SolidPattern && fill.color().alpha() == 255 &&
                         !mSelected && mParentLegend->selectedParts() == QCPLegend::spNone;
    if (!onPaper || !ElementPicture::canKeep(*painter)) {
        QCPPlottableLegendItem::draw(painter);
        return;
    }
    picture_.paint(*painter, mOuterRect, fill.color(), look(),
                   [this](QCPPainter &on) { QCPPlottableLegendItem::draw(&on); });
}
