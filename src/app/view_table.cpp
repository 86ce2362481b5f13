#include "view_table.h"

#include "layout/layout_builder.h"
#include "up_down.h"
#include "view_ids.h"
#include "view_panels.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <qcustomplot.h>

namespace {

QList<QWidget *> readingsControls(const ViewPanels &v, int) {
    return {v.readingsPanel};
}
QList<QWidget *> informationControls(const ViewPanels &v, int) {
    return {v.readingsGrid, v.infoPanel, v.infoSelector};
}
QList<QWidget *> tableControls(const ViewPanels &v, int) {
    return {v.readingsGrid, v.headerPanel};
}
QList<QWidget *> reportControls(const ViewPanels &v, int reportKind) {
    // "Nмин." / "Nпов." for the report form, the calibration gas buttons for the protocols.
    return {v.reportMemo, v.sidePanel,
            reportKind == 0 ? v.sideButtons.speedRecordPanel : v.sideButtons.gasRecordPanel};
}
QList<QWidget *> diagramControls(const ViewPanels &v, int) {
    return {v.diagramPanel, v.categoryPanel};
}
QList<QWidget *> graphControls(const ViewPanels &v, int) {
    return {v.graphChart, v.sidePanel};
}

} // namespace

namespace ViewTable {

const QList<ViewDefinition> &all() {
    using namespace WindowLayout;
    using G = ToolbarIcons::Glyph;
    static const QList<ViewDefinition> views = {
        {ViewId::Readings, "ToolButton8", "Показания", G::Readings, "N19", "Показания", "F2",
         readingsControls, placeReadingsView},
        {ViewId::Information, "ToolButton1", "Информация.", G::Information, "N20", "Информация.",
         "", informationControls, placeInformationView},
        {ViewId::Table, "ToolButton2", "Таблица", G::Table, "N21", "Таблица", "F3", tableControls,
         placeTableView},
        {ViewId::Report, "ToolButton3", "Отчет", G::Report, "N22", "Отчет", "F4", reportControls,
         placeReportView},
        {ViewId::Diagram, "ToolButton6", "Диаграмма ", G::Diagram, "N23", "Диаграмма", "F5",
         diagramControls, placeDiagramView},
        {ViewId::Graph, "ToolButton7", "График.", G::Graph, "N24", "График", "F6", graphControls,
         placeGraphView},
    };
    return views;
}

const ViewDefinition *find(int view) {
    for (const ViewDefinition &definition : all())
        if (definition.id == view)
            return &definition;
    return nullptr;
}

QList<QWidget *> controlsOf(int view, const ViewPanels &panels, int reportKind) {
    const ViewDefinition *definition = find(view);
    return definition ? definition->controls(panels, reportKind) : QList<QWidget *>();
}

QList<QWidget *> allControls(const ViewPanels &panels) {
    QList<QWidget *> controls;
    for (const ViewDefinition &definition : all())
        for (int reportKind : {0, 1})
            for (QWidget *control : definition.controls(panels, reportKind))
                if (!controls.contains(control))
                    controls << control;
    return controls;
}

} // namespace ViewTable
