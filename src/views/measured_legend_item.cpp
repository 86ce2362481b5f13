#include "measured_legend_item.h"

MeasuredLegendItem::Measure MeasuredLegendItem::measure() const {
    return {mPlottable ? mPlottable->name() : QString(), getFont(), mParentLegend->iconSize(),
            mParentLegend->iconTextPadding(), mMargins};
}

QSize MeasuredLegendItem::minimumOuterSizeHint() const {
    Measure now = measure();
    if (!measured_ || !(*measured_ == now)) {
        size_ = QCPPlottableLegendItem::minimumOuterSizeHint();
        measured_ = std::move(now);
    }
    return size_;
}

MeasuredLegendItem::Look MeasuredLegendItem::look() const {
    return {measure(),
            getTextColor(),
            getIconBorderPen(),
            mRect.translated(-mOuterRect.topLeft()),
            mPlottable ? mPlottable->pen() : QPen(),
            mPlottable ? mPlottable->brush() : QBrush(),
            mPlottable && mPlottable->antialiased()};
}

// An entry's cell holds nothing but the legend's own fill beneath it.
void MeasuredLegendItem::draw(QCPPainter *painter) {
    const QBrush fill = mParentLegend->brush();
    const bool onPaper = fill.style() == Qt::SolidPattern && fill.color().alpha() == 255 &&
                         !mSelected && mParentLegend->selectedParts() == QCPLegend::spNone;
    if (!onPaper || !ElementPictureBase::canKeep(*painter)) {
        QCPPlottableLegendItem::draw(painter);
        return;
    }
    picture_.paint(*painter, mOuterRect, fill.color(), look(),
                   [this](QCPPainter &on) { QCPPlottableLegendItem::draw(&on); });
}
