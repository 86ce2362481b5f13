#pragma once

#include "channel_scale.h"
#include "graph_captions.h"
#include "redraw_pace.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>

#include <array>

class Clock;
class GraphRecorder;
class QCPGraph;
class QCPPainter;
class QCPTextElement;
class QCustomPlot;
class QMouseEvent;

// The graph chart Chart3 on QCustomPlot: draws a GraphRecorder's record and nothing else.
//
// The left axis is fixed from 0 to 1000 (per mille of each channel's full scale); the bottom
// axis is the recorder's window of time positions, labelled with the samples' time labels
// turned upright and thinned so that they never overlap. Six line series Series1..Series6 in
// channel order and the red marker Series8 (not in the legend). The title above the plot and
// the footer below it are the graph's captions.
//
// Only the visible window of the record is handed to the chart (plus one position on each
// side, so lines run to the edges), so a redraw costs the same however long the record is.
// The chart is redrawn only while it is visible; a hidden chart is redrawn when shown. Every
// change asks for a redraw, and the redraws asked for are done together from the event loop,
// at most one per kLeastRedrawGapMs of the clock (a sample every 100 ms is drawn as it comes;
// a faster stream of changes waits its turn). New samples narrower than a pixel are drawn
// when the chart has scrolled by a pixel. Whatever draws the chart first takes the visible
// points and lays the legend out if anything changed.
//
// The mouse pans the time axis (no zoom), and the recorder's axis window follows; a click in place
// is reported as clicked() with the time position under the mouse, or as legendClicked() on the
// legend.
class GraphChart : public QObject {
    Q_OBJECT

public:
    // What the settings decide of the chart's look.
    struct Look {
        QColor paper = Qt::black; // GraphBackColor: the chart's background and plot area
        std::array<QColor, kChannelCount> channelColours{};
        int lineWidth = 2;
        std::array<bool, kChannelCount> hidden{};
        std::array<QString, kChannelCount> titles{}; // the legend titles
        bool legendVisible = true;
    };

    static constexpr qint64 kLeastRedrawGapMs = 100;

    // `clock` paces the redraws; it must outlive the chart.
    GraphChart(QCustomPlot *chart, GraphRecorder &recorder, const Clock &clock,
               QObject *parent = nullptr);

    void setLook(const Look &look);
    void setChannelVisible(int channel, bool visible);
    void setCaptions(const GraphCaptions &captions);
    // Paints the background and the plot area, with texts, axes and grid in a colour that
    // stands out on it; setLook() and restorePaper() bring back the look's own paper.
    void setPaper(const QColor &paper);
    void restorePaper() { setPaper(look_.paper); }
    QColor paper() const { return paper_; }

    // The record or its axis window changed: the visible points are taken again and the chart
    // is redrawn if it is visible, as soon as the pace allows.
    void refresh();
    // A sample was added, one every `samplingMs`: as refresh(), but where a time position is
    // narrower than a pixel the chart is redrawn when it has scrolled by a pixel (the gap of
    // RedrawPace::scrollGapMs), not for every sample.
    void sampleAdded(int samplingMs);
    // The red vertical line through the sample at a position, and its removal.
    void showMarker(int position);
    void clearMarker();

    // The chart as it would be shown, drawn onto a painter at `size` (the chart's own size
    // when empty), whether or not it is visible now: exports and printing.
    void render(QCPPainter &painter, QSize size = {});
    // The chart's size on screen, or a sensible picture size when it has never been laid out.
    QSize pictureSize() const;
    // Fonts sized in pixels of the chart rather than in points, while a painter that scales
    // the chart onto a device of another resolution draws it (a printer): points would be
    // taken at the device's resolution and then scaled once more.
    void setFontsInChartPixels(bool inPixels);

    QCustomPlot *chart() const { return chart_; }
    QCPGraph *series(int channel) const { return series_[channel]; }
    QCPGraph *marker() const { return marker_; }
    QCPTextElement *title() const { return title_; }
    QCPTextElement *footer() const { return footer_; }

signals:
    // A left click without moving the mouse, outside the legend, at this time position.
    void clicked(double position);
    void legendClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadVisiblePoints();
    void applyFonts();
    void rebuildLegend();
    void fitLegend(int width);
    void setLegendFont(const QFont &font);
    int fontPixels() const; // fontPoints_ in pixels of the chart
    void scheduleRedraw(qint64 gapMs = kLeastRedrawGapMs);
    void redraw();
    void layOutIfChanged();
    void onPress(QMouseEvent *event);
    void onRelease(QMouseEvent *event);
    void onRangeChanged();

    QCustomPlot *chart_;
    GraphRecorder &recorder_;
    const Clock &clock_;
    RedrawPace pace_{kLeastRedrawGapMs};
    QTimer redrawTimer_{this}; // single shot: the redraw asked for, when the pace allows it
    std::array<QCPGraph *, kChannelCount> series_{};
    QCPGraph *marker_ = nullptr;
    QCPTextElement *title_ = nullptr;
    QCPTextElement *footer_ = nullptr;
    Look look_;
    QColor paper_;
    QPoint pressedAt_;
    bool pressed_ = false;
    bool settingRange_ = false;
    bool dirty_ = true;
    // The legend is fitted again (its fonts, its lines) only when what it depends on changed:
    // a new sample does not change it.
    bool legendDirty_ = true;
    int fontPoints_ = 0;      // the size of every text of the chart
    bool pixelFonts_ = false; // see setFontsInChartPixels
};
