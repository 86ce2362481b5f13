#pragma once

#include "channel.h"
#include "window_layout.h"

#include <QColor>
#include <QList>
#include <QObject>

#include <array>
#include <functional>

class BarDiagram;
class NormsPanel;
class QCustomPlot;
class QMenu;
class QTimer;
class QWidget;
struct PublishedLimits;
struct RunState;

// The diagram view: the six bar diagrams Chart4..Chart9 refreshed on TimerDia from the readings
// (or their frozen copy after "Пуск/стоп") and judged against the limits in force, their norm
// marks, their colours and fonts, and the diagram panel's pop-up menu PopupMenu7.
class DiagramRefresh : public QObject {
    Q_OBJECT

public:
    // `timerDia`'s timeout is connected to TimerDiaTimer; `charts` are Chart4..Chart9 in channel
    // order; PopupMenu7 is attached to `diagramPanel`. The norm marks follow `norms`.
    DiagramRefresh(QTimer &timerDia, RunState &state, NormsPanel &norms,
                   const QList<QCustomPlot *> &charts, QWidget *diagramPanel,
                   QObject *parent = nullptr);
    ~DiagramRefresh() override;

    // Opens the options dialog on a page (a TPagesDlg::Page): "Цвета диаграмм", "Интервал"
    // and "Порт" of PopupMenu7.
    std::function<void(int page)> openOptionsAt;

    // One tick. The timer is stopped while it runs; afterwards it starts again while the
    // indication runs, and otherwise it gets its configured interval back and stays off, so
    // the one tick that "Пуск/стоп" arms at 1 ms shows the frozen readings and is the last.
    void TimerDiaTimer();

    // The window's own colour for the charts, their titles and value texts, the channel
    // colours for the bars and NormColor for the norm marks; the readings shown are drawn
    // again in them. Start-up, and again whenever a colour option changes.
    void applyColours(const QColor &windowColor);
    // Fonts and tick lengths from the layout.
    void applyMetrics(const QList<WindowLayout::ChartMetrics> &charts);
    // The norm marks of CO, CH, lambda and engine speed.
    void showNormMarks(const PublishedLimits &limits);

    BarDiagram &diagram(int channel) const { return *diagrams_[channel]; }
    QMenu *popupMenu() const { return popupMenu_; }

protected:
    // Steps of one tick between stopping and re-arming the timer: the automatic speed mode
    // switch, then the six diagrams.
    virtual void drawTick();

private:
    void showReadings();

    QTimer &timer_;
    RunState &state_;
    NormsPanel &norms_;
    PerChannel<BarDiagram *> diagrams_{};
    QMenu *popupMenu_;
    QColor windowColor_;
};
