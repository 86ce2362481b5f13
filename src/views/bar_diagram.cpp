#include "bar_diagram.h"

#include "text_fit.h"

#include "qcustomplot.h"

#include <QEvent>

// A title or footer line of a chart with a background of its own, as the diagrams' value text
// needs for the alarm style that reddens it.
class FilledTextElement : public QCPTextElement {
public:
    using QCPTextElement::QCPTextElement;
    QColor background;

protected:
    void draw(QCPPainter *painter) override {
        if (background.isValid())
            painter->fillRect(outerRect(), background);
        QCPTextElement::draw(painter);
    }
};

namespace {

// The bar stands at x = 1 with width 1 on an axis from 0.5 to 1.5: it fills the plot's width.
constexpr double kBarKey = 1.0;
constexpr double kLeftEdge = 0.5;
constexpr double kRightEdge = 1.5;
constexpr int kMarkPenWidth = 2;

void setPointSize(QFont &font, int points) {
    if (points > 0)
        font.setPointSize(points);
}

} // namespace

BarDiagram::BarDiagram(QCustomPlot *chart, const Design &design, QObject *parent)
    : QObject(parent), chart_(chart) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    chart_->setLocale(locale);
    chart_->setInteractions(QCP::Interactions());
    chart_->legend->setVisible(false);

    chart_->xAxis->setRange(kLeftEdge, kRightEdge);
    chart_->xAxis->setTicks(false);
    chart_->xAxis->setTickLabels(false);
    chart_->xAxis->grid()->setVisible(false);
    chart_->yAxis->setRange(0, design.axisMaximum);
    chart_->yAxis2->setVisible(true);
    chart_->yAxis2->setRange(0, design.axisMaximum);
    chart_->yAxis2->setTicker(QSharedPointer<QCPAxisTickerText>(new QCPAxisTickerText));
    chart_->yAxis2->setSubTicks(false);

    bar_ = new QCPBars(chart_->xAxis, chart_->yAxis);
    bar_->setObjectName(design.barSeries);
    bar_->setWidthType(QCPBars::wtPlotCoords);
    bar_->setWidth(kRightEdge - kLeftEdge);
    bar_->data()->set({QCPBarsData(kBarKey, 0)}, true);

    title_ = new FilledTextElement(chart_, design.title);
    chart_->plotLayout()->insertRow(0);
    chart_->plotLayout()->addElement(0, 0, title_);
    footer_ = new FilledTextElement(chart_, QString());
    titleFont_ = title_->font();
    footFont_ = footer_->font();
    footFont_.setBold(true);
    footer_->setFont(footFont_);
    chart_->plotLayout()->insertRow(2);
    chart_->plotLayout()->addElement(2, 0, footer_);

    chart_->installEventFilter(this);
}

QCPTextElement *BarDiagram::footer() const {
    return footer_;
}

QColor BarDiagram::footerBackground() const {
    return footer_->background;
}

void BarDiagram::applyColours(const QColor &window, const QColor &bar, const QColor &norm) {
    setChartBackground(window);
    title_->background = window;
    footer_->background = window;
    bar_->setBrush(bar);
    bar_->setPen(QPen(bar));
    normColor_ = norm;
    for (QCPGraph *mark : std::as_const(marks_))
        mark->setPen(QPen(norm, kMarkPenWidth));
    // The next refresh applies its own colours in full, even to an unchanged reading.
    shown_ = Frame{};
    redraw();
}

void BarDiagram::applyMetrics(const Metrics &m) {
    QFont left = chart_->yAxis->tickLabelFont();
    setPointSize(left, m.leftAxisFont);
    chart_->yAxis->setTickLabelFont(left);
    QFont right = chart_->yAxis2->tickLabelFont();
    setPointSize(right, m.rightAxisFont);
    chart_->yAxis2->setTickLabelFont(right);
    setPointSize(titleFont_, m.titleFont);
    setPointSize(footFont_, m.footFont);
    chart_->yAxis->setTickLength(0, m.leftTick);
    chart_->yAxis->setSubTickLength(0, m.leftTick / 2);
    chart_->yAxis2->setTickLength(0, m.rightTick);
    redraw();
}

QCPGraph *BarDiagram::markSeries(const QString &name) const {
    for (QCPGraph *mark : marks_)
        if (mark->objectName() == name)
            return mark;
    return nullptr;
}

QCPGraph *BarDiagram::markLine(const QString &name) {
    if (QCPGraph *existing = markSeries(name))
        return existing;
    auto *mark = new QCPGraph(chart_->xAxis, chart_->yAxis);
    mark->setObjectName(name);
    mark->setPen(QPen(normColor_, kMarkPenWidth));
    mark->setLineStyle(QCPGraph::lsLine);
    marks_.append(mark);
    return mark;
}

void BarDiagram::setNormMarks(const QList<MarkLabel> &labels, const QStringList &markSeries,
                              const QList<double> &markValues) {
    auto ticker = qSharedPointerDynamicCast<QCPAxisTickerText>(chart_->yAxis2->ticker());
    ticker->clear();
    for (const MarkLabel &label : labels)
        ticker->addTick(label.value, label.text);
    for (qsizetype i = 0; i < markSeries.size(); ++i) {
        QCPGraph *mark = markLine(markSeries[i]);
        if (i < markValues.size())
            mark->setData({kLeftEdge, kRightEdge}, {markValues[i], markValues[i]}, true);
        else
            mark->data()->clear();
    }
    redraw();
}

void BarDiagram::show(const Frame &frame) {
    if (!(frame == shown_)) {
        shown_ = frame;
        bar_->data()->set({QCPBarsData(kBarKey, frame.barValue)}, true);
        bar_->setBrush(frame.barColor);
        bar_->setPen(QPen(frame.barColor));
        footer_->setText(frame.valueText);
        footer_->setTextColor(frame.textColor);
        footer_->background = frame.textBack;
        setChartBackground(frame.chartBack);
        chart_->yAxis2->setTickLabelColor(frame.rightLabels);
        dirty_ = true;
    }
    if (dirty_ && chart_->isVisible())
        redraw();
}

void BarDiagram::setChartBackground(const QColor &colour) {
    chartBackground_ = colour;
    chart_->setBackground(colour);
}

// The title and the value text at their sizes, or smaller where the chart is too narrow
// for them.
void BarDiagram::fitTexts() {
    const auto fit = [this](FilledTextElement *text, const QFont &font) {
        const QMargins margins = text->margins();
        const QSize room(chart_->width() - margins.left() - margins.right(), QWIDGETSIZE_MAX);
        text->setFont(TextFit::fitted({text->text()}, font, room));
    };
    fit(title_, titleFont_);
    fit(footer_, footFont_);
}

void BarDiagram::redraw() {
    dirty_ = true;
    if (!chart_->isVisible())
        return;
    fitTexts();
    chart_->replot(QCustomPlot::rpQueuedReplot);
    dirty_ = false;
}

bool BarDiagram::eventFilter(QObject *watched, QEvent *event) {
    if (watched == chart_ && event->type() == QEvent::Show && dirty_)
        redraw();
    else if (watched == chart_ && event->type() == QEvent::Resize)
        redraw();
    return QObject::eventFilter(watched, event);
}
