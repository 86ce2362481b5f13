#pragma once

#include "window_layout.h"

#include <QHash>
#include <QObject>
#include <QString>

class QToolBar;
class QWidget;

// Applies the proportional layout (WindowLayout) to the main window's client area: every
// placement to the control of that control name, with its font size and, for a string grid,
// its row height and column width; the diagram charts' fonts and ticks go out as a signal.
class LayoutApplier : public QObject {
    Q_OBJECT

public:
    // `controls` are the placeable controls by control name, as their builders made them;
    // a placement whose control is not among them is skipped.
    LayoutApplier(QWidget &client, const QToolBar &toolbar, QHash<QString, QWidget *> controls,
                  QObject *parent = nullptr);

    // Places the status line and the controls of the view for the client's size now.
    void apply(int currentView);

signals:
    void chartsPlaced(const QList<WindowLayout::ChartMetrics> &charts);

private:
    QWidget &client_;
    const QToolBar &toolbar_;
    QHash<QString, QWidget *> controls_;
};
