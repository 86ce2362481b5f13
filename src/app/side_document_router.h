#pragma once

#include "view_panels.h"

#include <QObject>

class SideDocument;
struct RunState;

// Sends the side panel's shared buttons "Сохранить", "Открыть", "Стереть", "Печать" and
// "Настроить" (BitBtn1..BitBtn5) to the document of the current view: the graph while the
// graph view is shown, the report otherwise. The documents register themselves as they are
// built; a button whose document does not exist yet does nothing.
class SideDocumentRouter : public QObject {
    Q_OBJECT

public:
    SideDocumentRouter(const RunState &state, const ViewPanels::SideButtons &buttons,
                       QObject *parent = nullptr);

    void setGraph(SideDocument *graph) { graph_ = graph; }
    void setReport(SideDocument *report) { report_ = report; }

    SideDocument *graph() const { return graph_; }
    SideDocument *report() const { return report_; }
    // The document the buttons act on now.
    SideDocument *current() const;

private:
    const RunState &state_;
    SideDocument *graph_ = nullptr;
    SideDocument *report_ = nullptr;
};
