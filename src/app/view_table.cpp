#include "view_table.h"

#include "layout/layout_builder.h"
#include "view_ids.h"

namespace {

QStringList readingsControls(int) {
    return {QStringLiteral("Panel4")};
}
QStringList informationControls(int) {
    return {QStringLiteral("StringGrid1"), QStringLiteral("Panel3"), QStringLiteral("UpDown1")};
}
QStringList tableControls(int) {
    return {QStringLiteral("StringGrid1"), QStringLiteral("Panel2")};
}
QStringList reportControls(int reportKind) {
    // "Nмин." / "Nпов." for the report form, the calibration gas buttons for the protocols.
    return {QStringLiteral("Memo10"), QStringLiteral("Panel15"),
            reportKind == 0 ? QStringLiteral("Panel16") : QStringLiteral("Panel1")};
}
QStringList diagramControls(int) {
    return {QStringLiteral("Panel7"), QStringLiteral("Panel8")};
}
QStringList graphControls(int) {
    return {QStringLiteral("Chart3"), QStringLiteral("Panel15")};
}

} // namespace

namespace ViewTable {

const QList<ViewDefinition> &all() {
    using namespace WindowLayout;
    static const QList<ViewDefinition> views = {
        {ViewId::Readings, "ToolButton8", "N19", readingsControls, placeReadingsView},
        {ViewId::Information, "ToolButton1", "N20", informationControls, placeInformationView},
        {ViewId::Table, "ToolButton2", "N21", tableControls, placeTableView},
        {ViewId::Report, "ToolButton3", "N22", reportControls, placeReportView},
        {ViewId::Diagram, "ToolButton6", "N23", diagramControls, placeDiagramView},
        {ViewId::Graph, "ToolButton7", "N24", graphControls, placeGraphView},
    };
    return views;
}

const ViewDefinition *find(int view) {
    for (const ViewDefinition &definition : all())
        if (definition.id == view)
            return &definition;
    return nullptr;
}

QStringList allControls() {
    QStringList controls;
    for (const ViewDefinition &definition : all())
        for (int reportKind : {0, 1})
            for (const QString &name : definition.controls(reportKind))
                if (!controls.contains(name))
                    controls << name;
    return controls;
}

} // namespace ViewTable
