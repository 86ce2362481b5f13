#include "graph_chart.h"

#include "axis_label_memory.h"
#include "clock.h"
#include "graph_recorder.h"
#include "graph_series.h"
#include "measured_legend_item.h"
#include "measured_text_element.h"
#include "time_label_step.h"

#include "qcustomplot.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double kAxisTop = 1000; // per mille of the full scale
constexpr int kMarkerWidth = 2;
// A press and release further apart than this pans the chart rather than clicking it.
constexpr int kClickSlack = 3;
// An upright time label takes its text height and half as much again as a gap.
constexpr double kLabelPitch = 1.5;
// The picture size of a chart that has never been laid out.
constexpr QSize kFallbackPictureSize(800, 600);

// The bottom axis: ticks at every step-th position, the step chosen from the pixels one
// position takes, so that upright labels never overlap; each label is the time label the
// record has at that position (none beyond the newest sample).
class TimeAxisTicker : public QCPAxisTicker {
public:
    TimeAxisTicker(const GraphRecorder &recorder, QCPAxis *axis)
        : recorder_(recorder), axis_(axis) {}

protected:
    double getTickStep(const QCPRange &range) override {
        // The viewport and the margins of the last layout: the axis rectangle itself is laid
        // out only after the ticks, so this also holds on the first drawing and after a resize.
        const QMargins margins = axis_->axisRect()->margins();
        const double width =
            axis_->parentPlot()->viewport().width() - margins.left() - margins.right();
        const double pitch = QFontMetricsF(axis_->tickLabelFont()).height() * kLabelPitch;
        return timeLabelStep(range.size() > 0 ? width / range.size() : 0, pitch);
    }
    int getSubTickCount(double) override { return 0; }
    QVector<double> createTickVector(double step, const QCPRange &range) override {
        QVector<double> ticks;
        const double first = std::max(0.0, std::ceil(range.lower / step) * step);
        for (double tick = first; tick <= range.upper; tick += step)
            ticks << tick;
        return ticks;
    }
    QString getTickLabel(double tick, const QLocale &, QChar, int) override {
        return recorder_.axisLabel(int(std::lround(tick)));
    }

private:
    const GraphRecorder &recorder_;
    QCPAxis *axis_;
};

// A chart value as far from zero as a position can sensibly be.
int clampedPosition(double x) {
    return int(std::clamp(x, -1e9, 1e9));
}

} // namespace

GraphChart::GraphChart(QCustomPlot *chart, GraphRecorder &recorder, const Clock &clock,
                       QObject *parent)
    : QObject(parent), chart_(chart), recorder_(recorder), clock_(clock) {
    redrawTimer_.setObjectName(QStringLiteral("redrawTimer"));
    redrawTimer_.setSingleShot(true);
    connect(&redrawTimer_, &QTimer::timeout, this, &GraphChart::redraw);
    // However the chart comes to be drawn (a redraw of ours, a resize, a pan, an export),
    // it draws what it shows now.
    connect(chart_, &QCustomPlot::beforeReplot, this, &GraphChart::layOutIfChanged);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    chart_->setLocale(locale);
    chart_->setInteractions(QCP::iRangeDrag);
    chart_->axisRect()->setRangeDrag(Qt::Horizontal);
    chart_->axisRect()->setRangeZoom(Qt::Orientations());

    chart_->yAxis->setRange(0, kAxisTop);
    chart_->xAxis->setTicker(QSharedPointer<TimeAxisTicker>::create(recorder_, chart_->xAxis));
    chart_->xAxis->setTickLabelRotation(-90);
    chart_->xAxis->setSubTicks(false);
    for (QCPAxis *axis : {chart_->xAxis, chart_->yAxis})
        rememberTickLabels(axis);

    for (int channel = 0; channel < kChannelCount; ++channel) {
        series_[channel] = new GraphSeries(chart_->xAxis, chart_->yAxis);
        series_[channel]->setObjectName(QStringLiteral("Series%1").arg(channel + 1));
        // Wide antialiased lines cost several times as much to draw; these are redrawn on
        // every sample.
        series_[channel]->setAntialiased(false);
        // The chart is handed only the visible window, at most a few points a pixel: thinning
        // them to four a pixel column would draw more points, not fewer.
        series_[channel]->setAdaptiveSampling(false);
    }
    // Everything is drawn into one picture buffer: the overlay layer's own buffer would be
    // cleared and laid over the chart on every redraw, with nothing on it.
    if (QCPLayer *overlay = chart_->layer(QStringLiteral("overlay")))
        overlay->setMode(QCPLayer::lmLogical);
    marker_ = chart_->addGraph();
    marker_->setObjectName(QStringLiteral("Series8"));
    marker_->setPen(QPen(Qt::red, kMarkerWidth));
    marker_->removeFromLegend();

    title_ = new MeasuredTextElement(chart_, QString());
    chart_->plotLayout()->insertRow(0);
    chart_->plotLayout()->addElement(0, 0, title_);
    footer_ = new MeasuredTextElement(chart_, QString());
    chart_->plotLayout()->insertRow(2);
    chart_->plotLayout()->addElement(2, 0, footer_);
    // The legend is one line between the title and the plot, so it never hides a line.
    chart_->axisRect()->insetLayout()->take(chart_->legend);
    chart_->plotLayout()->insertRow(1);
    chart_->plotLayout()->addElement(1, 0, chart_->legend);
    chart_->plotLayout()->setRowStretchFactor(1, 0.001);
    chart_->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    chart_->legend->setIconSize(20, 10);
    chart_->legend->setVisible(true);
    fontPoints_ = std::max(1, chart_->font().pointSize());
    applyFonts();

    connect(chart_->xAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
            &GraphChart::onRangeChanged);
    connect(chart_, &QCustomPlot::mousePress, this, &GraphChart::onPress);
    connect(chart_, &QCustomPlot::mouseRelease, this, &GraphChart::onRelease);
    chart_->installEventFilter(this);
    setLook(look_);
}

void GraphChart::setLook(const Look &look) {
    look_ = look;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        QCPGraph *line = series_[channel];
        line->setPen(QPen(look.channelColours[channel], std::max(1, look.lineWidth)));
        line->setName(look.titles[channel]);
        line->setVisible(!look.hidden[channel]);
    }
    chart_->legend->setVisible(look.legendVisible);
    rebuildLegend();
    setPaper(look.paper);
}

void GraphChart::setChannelVisible(int channel, bool visible) {
    if (channel < 0 || channel >= kChannelCount)
        return;
    look_.hidden[channel] = !visible;
    series_[channel]->setVisible(visible);
    rebuildLegend();
    refresh();
}

// The legend lists the shown channels in channel order.
void GraphChart::rebuildLegend() {
    chart_->legend->clearItems();
    for (int channel = 0; channel < kChannelCount; ++channel)
        if (!look_.hidden[channel])
            chart_->legend->addItem(new MeasuredLegendItem(chart_->legend, series_[channel]));
}

void GraphChart::setCaptions(const GraphCaptions &captions) {
    title_->setText(captions.title);
    footer_->setText(captions.footer);
    refresh();
}

void GraphChart::setPaper(const QColor &paper) {
    paper_ = paper;
    const bool dark = paper.lightness() < 128;
    const QColor ink = dark ? Qt::white : Qt::black;
    const QPen gridPen(dark ? QColor(96, 96, 96) : QColor(176, 176, 176), 0, Qt::DotLine);
    // The chart's background lies under the plot too: painting the plot's own in the same
    // colour over it on every redraw would only fill the same pixels twice.
    chart_->setBackground(paper);
    chart_->axisRect()->setBackground(Qt::NoBrush);
    for (QCPAxis *axis : {chart_->xAxis, chart_->yAxis}) {
        axis->setBasePen(QPen(ink));
        axis->setTickPen(QPen(ink));
        axis->setSubTickPen(QPen(ink));
        axis->setTickLabelColor(ink);
        axis->setLabelColor(ink);
        axis->grid()->setPen(gridPen);
    }
    title_->setTextColor(ink);
    footer_->setTextColor(ink);
    chart_->legend->setBrush(paper);
    chart_->legend->setBorderPen(Qt::NoPen);
    chart_->legend->setTextColor(ink);
    refresh();
}

void GraphChart::refresh() {
    dirty_ = true;
    legendDirty_ = true;
    if (chart_->isVisible())
        scheduleRedraw();
}

void GraphChart::sampleAdded(int samplingMs) {
    dirty_ = true;
    if (!chart_->isVisible())
        return;
    const int pixels =
        chart_->axisRect()->width() > 0 ? chart_->axisRect()->width() : chart_->width();
    const AxisWindow window = recorder_.axis();
    const int positions = int(std::clamp(window.max - window.min, 0.0, 1e9));
    scheduleRedraw(pace_.scrollGapMs(samplingMs, positions, pixels));
}

// One redraw for every change asked for until it runs, no sooner than the pace allows; a
// change that may be drawn sooner than the redraw already waiting brings it forward.
void GraphChart::scheduleRedraw(qint64 gapMs) {
    const qint64 wait = std::min(pace_.waitFrom(clock_.msecsSinceEpoch(), gapMs), qint64(INT_MAX));
    if (redrawTimer_.isActive() && redrawTimer_.remainingTime() <= wait)
        return;
    redrawTimer_.start(int(wait));
}

// The legend's titles in as few lines as the width allows: six, three or two to a line; two
// to a line in a smaller font where even they are too wide. The items already placed are
// rearranged for the new count, so the legend looks the same however it came to be.
void GraphChart::fitLegend(int width) {
    QCPLegend *legend = chart_->legend;
    QFont font = legend->font();
    if (pixelFonts_)
        font.setPixelSize(fontPixels());
    else
        font.setPointSize(fontPoints_);
    setLegendFont(font);
    for (int wrap : {kChannelCount, kChannelCount / 2, 2}) {
        legend->setWrap(wrap);
        legend->setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
        if (legend->minimumOuterSizeHint().width() <= width)
            return;
    }
    const auto shrink = [&font] {
        if (font.pixelSize() > 0)
            font.setPixelSize(font.pixelSize() - 1);
        else
            font.setPointSize(font.pointSize() - 1);
    };
    while (std::max(font.pixelSize(), font.pointSize()) > 1 &&
           legend->minimumOuterSizeHint().width() > width) {
        shrink();
        setLegendFont(font);
    }
}

void GraphChart::setLegendFont(const QFont &font) {
    QCPLegend *legend = chart_->legend;
    legend->setFont(font);
    for (int i = 0; i < legend->itemCount(); ++i)
        if (QCPAbstractLegendItem *item = legend->item(i))
            item->setFont(font);
}

void GraphChart::redraw() {
    if (!chart_->isVisible())
        return; // drawn when shown
    pace_.drew(clock_.msecsSinceEpoch());
    chart_->replot();
}

void GraphChart::layOutIfChanged() {
    if (!dirty_)
        return;
    dirty_ = false;
    if (legendDirty_) {
        legendDirty_ = false;
        fitLegend(chart_->width());
    }
    loadVisiblePoints();
}

// The axis window from the recorder, and the points from one position left of it to one
// right of it: all the chart needs to draw the window.
void GraphChart::loadVisiblePoints() {
    const AxisWindow window = recorder_.axis();
    settingRange_ = true;
    chart_->xAxis->setRange(window.min, window.max);
    settingRange_ = false;

    const GraphBuffer &buffer = recorder_.buffer();
    const int first = std::max(0, clampedPosition(std::floor(window.min)) - 1);
    const int last = std::min(buffer.count() - 1, clampedPosition(std::ceil(window.max)) + 1);
    // Sample by sample, each sample's six values at once.
    std::array<QVector<QCPGraphData>, kChannelCount> points;
    for (QVector<QCPGraphData> &line : points)
        line.reserve(std::max(0, last - first + 1));
    for (int p = first; p <= last; ++p) {
        // Halfway to the sample before a gap, a point of no value breaks the line.
        if (p > first && buffer.followsGap(p))
            for (QVector<QCPGraphData> &line : points)
                line.append(QCPGraphData(p - 0.5, qQNaN()));
        const ChannelValues values = buffer.chartValues(p);
        for (int channel = 0; channel < kChannelCount; ++channel)
            points[channel].append(QCPGraphData(p, values[channel]));
    }
    for (int channel = 0; channel < kChannelCount; ++channel)
        series_[channel]->data()->set(points[channel], true);
}

void GraphChart::showMarker(int position) {
    marker_->setData({double(position), double(position)}, {0.0, double(kMarkerTop)}, true);
    refresh();
}

void GraphChart::clearMarker() {
    if (marker_->data()->isEmpty())
        return;
    marker_->data()->clear();
    refresh();
}

QSize GraphChart::pictureSize() const {
    const QSize shown = chart_->size();
    return shown.width() >= 200 && shown.height() >= 150 ? shown : kFallbackPictureSize;
}

void GraphChart::render(QCPPainter &painter, QSize size) {
    loadVisiblePoints();
    const QSize picture = size.isEmpty() ? pictureSize() : size;
    fitLegend(picture.width());
    chart_->toPainter(&painter, picture.width(), picture.height());
    // The screen is laid out for its own size again at the next drawing.
    refresh();
}

void GraphChart::setFontsInChartPixels(bool inPixels) {
    pixelFonts_ = inPixels;
    applyFonts();
}

// Every text of the chart at one size: title, footer, axis labels and legend.
int GraphChart::fontPixels() const {
    return std::max(1, int(std::lround(fontPoints_ * chart_->logicalDpiY() / 72.0)));
}

void GraphChart::applyFonts() {
    const int pixels = fontPixels();
    const auto sized = [this, pixels](QFont font) {
        if (pixelFonts_)
            font.setPixelSize(pixels);
        else
            font.setPointSize(fontPoints_);
        return font;
    };
    title_->setFont(sized(title_->font()));
    footer_->setFont(sized(footer_->font()));
    chart_->xAxis->setTickLabelFont(sized(chart_->xAxis->tickLabelFont()));
    chart_->yAxis->setTickLabelFont(sized(chart_->yAxis->tickLabelFont()));
    chart_->legend->setFont(sized(chart_->legend->font()));
    refresh();
}

bool GraphChart::eventFilter(QObject *watched, QEvent *event) {
    if (watched == chart_) {
        if (event->type() == QEvent::FontChange && chart_->font().pointSize() > 0) {
            // The layout sets the chart's font: every text of the chart follows it.
            fontPoints_ = chart_->font().pointSize();
            applyFonts();
        } else if (event->type() == QEvent::Resize) {
            dirty_ = legendDirty_ = true; // the legend is fitted to the new width
        } else if (event->type() == QEvent::Show && dirty_)
            scheduleRedraw();
    }
    return QObject::eventFilter(watched, event);
}

void GraphChart::onPress(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
}

void GraphChart::onRelease(QMouseEvent *event) {
    if (!pressed_ || event->button() != Qt::LeftButton)
        return;
    pressed_ = false;
    const QPoint at = event->position().toPoint();
    if ((at - pressedAt_).manhattanLength() > kClickSlack)
        return; // the chart was panned
    if (chart_->legend->visible() && chart_->legend->outerRect().contains(at)) {
        // The options dialog it opens is modal: it runs once the chart has finished with
        // this mouse event.
        QMetaObject::invokeMethod(this, &GraphChart::legendClicked, Qt::QueuedConnection);
        return;
    }
    emit clicked(chart_->xAxis->pixelToCoord(at.x()));
}

// The user panned the chart: the recorder keeps the new window, and the points of the new
// window are handed to the chart before it draws.
void GraphChart::onRangeChanged() {
    if (settingRange_)
        return;
    const QCPRange range = chart_->xAxis->range();
    recorder_.setAxis({range.lower, range.upper});
    loadVisiblePoints();
}
