#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QCPBars;
class QCPGraph;
class QCPTextElement;
class QCustomPlot;
class FilledTextElement;

// One of the six bar diagrams of the diagram view, drawn on its QCustomPlot chart: a title, one
// bar of full width on a fixed vertical scale, the value text as the footer, and the norm marks:
// lines at the height of each limit with the limit values as texts on the right axis. It only
// draws what it is given; what a reading and its limits look like is decided elsewhere.
class BarDiagram : public QObject {
    Q_OBJECT

public:
    struct Design {
        QString title;      // "CO,%", ..., "λ", "n,min-1"
        QString barSeries;  // objectName of the bar: "Series10", ..., "BarSeries8"
        double axisMaximum; // top of the vertical scale, in the units shown
    };

    // Font sizes in points, tick lengths in pixels.
    struct Metrics {
        int leftAxisFont = 0;
        int rightAxisFont = 0;
        int titleFont = 0;
        int footFont = 0;
        int leftTick = 0;
        int rightTick = 0;
    };

    // What one refresh shows.
    struct Frame {
        QString valueText;
        double barValue = 0;
        QColor barColor;
        QColor textColor;   // the value text
        QColor textBack;    // the background of the value text
        QColor chartBack;   // the background of the whole chart
        QColor rightLabels; // the norm labels on the right axis
        friend bool operator==(const Frame &, const Frame &) = default;
    };

    // One label of the right axis: a text at a height.
    struct MarkLabel {
        double value = 0;
        QString text;
    };

    // Sets the chart up: no legend, no zoom or drag, manual axes, the bar and the footer.
    BarDiagram(QCustomPlot *chart, const Design &design, QObject *parent = nullptr);

    // The window's own colour for the chart, its title and its footer background, the bar's
    // colour and the colour of the norm marks. Run at start-up and when a colour option changes.
    void applyColours(const QColor &window, const QColor &bar, const QColor &norm);
    void applyMetrics(const Metrics &metrics);

    // Replaces the norm marks: the right axis shows `labels`; each series named in
    // `markSeries` is cleared and, when it has a value in `markValues`, drawn at that height.
    void setNormMarks(const QList<MarkLabel> &labels, const QStringList &markSeries,
                      const QList<double> &markValues);

    // Shows one refresh. The chart is redrawn only when something changed, and only while it
    // is visible; a hidden chart is redrawn when it is shown.
    void show(const Frame &frame);

    QCustomPlot *chart() const { return chart_; }
    QCPBars *bar() const { return bar_; }
    QCPTextElement *footer() const;
    QColor footerBackground() const;
    QColor chartBackground() const { return chartBackground_; }
    // The mark line of a named series, or null while it has not been drawn.
    QCPGraph *markSeries(const QString &name) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCPGraph *markLine(const QString &name);
    void setChartBackground(const QColor &colour);
    void fitTexts();
    void redraw();

    QCustomPlot *chart_;
    QCPBars *bar_ = nullptr;
    FilledTextElement *title_ = nullptr;
    FilledTextElement *footer_ = nullptr;
    QList<QCPGraph *> marks_;
    QFont titleFont_; // the sizes the layout gives, before fitting
    QFont footFont_;
    QColor normColor_;
    QColor chartBackground_;
    Frame shown_;
    bool dirty_ = true;
};
