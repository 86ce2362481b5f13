#include "diagram_refresh.h"

#include "bar_diagram.h"
#include "bgr_color.h"
#include "diagram_tick.h"
#include "norms_panel.h"
#include "run_state.h"
#include "tpagesdlg.h"

#include "qcustomplot.h"

#include <QMenu>
#include <QTimer>

namespace {

// The six diagrams in channel order: the bar's series, the norm marks each one carries and its
// mark lines, in the order of the marks' values.
struct DiagramRow {
    const char *barSeries;
    int normChart; // NormChart, or -1: no limits
    std::initializer_list<const char *> markSeries;
};
const PerChannel<DiagramRow> kDiagrams = {{
    {"Series10", CoNormChart, {"Series9"}},
    {"Series13", ChNormChart, {"Series12"}},
    {"Series15", -1, {}},
    {"BarSeries1", -1, {}},
    {"BarSeries5", LambdaNormChart, {"BarSeries3", "BarSeries4"}},
    {"BarSeries8", RpmNormChart, {"BarSeries6", "BarSeries7", "Series17"}},
}};

BarDiagram::Frame frameOf(const DiagramTick::ChannelLook &look) {
    return {look.valueText,
            look.barValue,
            colorFromBgr(look.barColor),
            colorFromBgr(look.valueTextColor),
            colorFromBgr(look.valueBackColor),
            colorFromBgr(look.chartBackColor),
            colorFromBgr(look.rightLabelColor)};
}

} // namespace

DiagramRefresh::DiagramRefresh(QTimer &timerDia, RunState &state, NormsPanel &norms,
                               const QList<QCustomPlot *> &charts, QWidget *diagramPanel,
                               QObject *parent)
    : QObject(parent), timer_(timerDia), state_(state), norms_(norms),
      popupMenu_(new QMenu(diagramPanel)) {
    for (Channel channel : kAllChannels) {
        const int c = index(channel);
        diagrams_[c] = new BarDiagram(charts[c],
                                      {channelInfo(channel).diagramTitle.toString(),
                                       QString::fromLatin1(kDiagrams[c].barSeries),
                                       DiagramTick::AxisMaximum(channel)},
                                      this);
    }
    connect(&timer_, &QTimer::timeout, this, &DiagramRefresh::TimerDiaTimer);
    connect(&norms_, &NormsPanel::limitsPublished, this, &DiagramRefresh::showNormMarks);

    popupMenu_->setObjectName("PopupMenu7");
    const std::pair<const char16_t *, TPagesDlg::Page> items[] = {
        {u"Цвета диаграмм", TPagesDlg::Colour},
        {u"Интервал", TPagesDlg::General},
        {u"Порт", TPagesDlg::Port}};
    for (const auto &[text, page] : items)
        popupMenu_->addAction(QString::fromUtf16(text), this, [this, page = page] {
            if (openOptionsAt)
                openOptionsAt(page);
        });
    // The charts keep mouse events to themselves (QCustomPlot), so a right click over one
    // never reaches the panel: each chart opens the menu as the panel's margins do.
    QList<QWidget *> menuOwners{diagramPanel};
    for (QCustomPlot *chart : charts)
        menuOwners << chart;
    for (QWidget *owner : menuOwners) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint &pos) { popupMenu_->popup(owner->mapToGlobal(pos)); });
    }
}

DiagramRefresh::~DiagramRefresh() = default;

void DiagramRefresh::TimerDiaTimer() {
    timer_.stop();
    drawTick();
    if (state_.indicationRunning())
        timer_.start();
    else
        timer_.setInterval(qMax(1, state_.Settings.ViewInterval[1]));
}

void DiagramRefresh::drawTick() {
    // Speed that follows nothing switches no mode.
    if (norms_.autoSwitching() && state_.shownReadingsCurrent())
        norms_.AutoSwitchSpeedMode(state_.shownSample().rpm);
    showReadings();
}

void DiagramRefresh::showReadings() {
    const AppSettings &s = state_.Settings;
    DiagramTick::Input input;
    input.limits = norms_.selectedLimits();
    input.elevatedActive = norms_.elevatedActive();
    input.coLimitInForce = norms_.limits().CoLimitInForce;
    input.chLimitInForce = norms_.limits().ChLimitInForce;
    input.alarmStyle = s.AlarmStyle;
    std::copy(std::begin(s.ChannelColor), std::end(s.ChannelColor), input.channelColors.begin());
    input.windowColor = bgrFromColor(windowColor_);
    input.readingsCurrent = state_.shownReadingsCurrent();
    const DiagramTick::Looks looks = DiagramTick::Compose(state_.shownSample(), input);
    for (int channel = 0; channel < kChannelCount; ++channel)
        diagrams_[channel]->show(frameOf(looks[channel]));
}

void DiagramRefresh::applyColours(const QColor &windowColor) {
    windowColor_ = windowColor;
    const AppSettings &s = state_.Settings;
    for (int channel = 0; channel < kChannelCount; ++channel)
        diagrams_[channel]->applyColours(windowColor, colorFromBgr(s.ChannelColor[channel]),
                                         colorFromBgr(s.NormColor));
    showReadings();
}

void DiagramRefresh::applyMetrics(const QList<WindowLayout::ChartMetrics> &charts) {
    for (const WindowLayout::ChartMetrics &m : charts)
        for (BarDiagram *diagram : diagrams_)
            if (diagram->chart()->objectName() == m.name)
                diagram->applyMetrics({m.leftAxisFont, m.rightAxisFont, m.titleFont, m.footFont,
                                       m.leftTick, m.rightTick});
}

void DiagramRefresh::showNormMarks(const PublishedLimits &limits) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const int chart = kDiagrams[channel].normChart;
        if (chart < 0)
            continue;
        const ChartNormMarks &marks = limits.marks[chart];
        QList<BarDiagram::MarkLabel> labels;
        for (const NormMarkPoint &point : marks.labelPoints)
            labels.append({point.value, point.label});
        QStringList markSeries;
        for (const char *name : kDiagrams[channel].markSeries)
            markSeries.append(QString::fromLatin1(name));
        diagrams_[channel]->setNormMarks(labels, markSeries, marks.barValues);
    }
}
