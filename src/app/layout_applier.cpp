#include "layout_applier.h"

#include "text_fit.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QToolBar>
#include <QWidget>

#include <algorithm>

LayoutApplier::LayoutApplier(QWidget &client, const QToolBar &toolbar,
                             QHash<QString, QWidget *> controls, QObject *parent)
    : QObject(parent), client_(client), toolbar_(toolbar), controls_(std::move(controls)) {}

void LayoutApplier::apply(int currentView) {
    WindowLayout::Input input;
    input.toolbarHeight = toolbar_.height();
    input.clientWidth = client_.width();
    input.clientHeight = client_.height() + input.toolbarHeight;
    input.currentView = currentView;
    const WindowLayout::Layout layout = WindowLayout::compute(input);
    emit chartsPlaced(layout.charts);
    for (const WindowLayout::ControlPlacement &placement : layout.placements) {
        QWidget *control = controls_.value(placement.name);
        if (!control)
            continue;
        control->setGeometry(placement.geometry);
        TextFit::applyPointSize(control, placement.fontPointSize);
        if (auto *grid = qobject_cast<QTableWidget *>(control)) {
            grid->verticalHeader()->setDefaultSectionSize(std::max(1, placement.rowHeight));
            grid->horizontalHeader()->setDefaultSectionSize(std::max(1, placement.columnWidth));
        }
    }
}
