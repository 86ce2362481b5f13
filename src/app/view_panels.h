#pragma once

#include "graph_panel_controls.h"
#include "readings_view.h"

#include <QList>

class QCustomPlot;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;
class TUpDown;

// The controls of the six views, created once inside the main window's client area with
// their control names, fixed titles and static captions. The layout places them by name
// and the view switch shows and hides the top-level ones; what they display is filled in
// by the views' own classes.
struct ViewPanels {
    // Readings and table views.
    QTableWidget *readingsGrid = nullptr; // StringGrid1
    QFrame *headerPanel = nullptr;        // Panel2
    QPlainTextEdit *headerMemo = nullptr; // Memo1
    QTableWidget *clockGrid = nullptr;    // StringGrid2
    // Information view.
    QFrame *infoPanel = nullptr;        // Panel3
    TUpDown *infoSelector = nullptr;    // UpDown1
    QLabel *infoImage = nullptr;        // Image1
    QPlainTextEdit *infoMemo = nullptr; // Memo2
    // Report view and the side panel it shares with the graph view.
    QPlainTextEdit *reportMemo = nullptr; // Memo10
    QFrame *sidePanel = nullptr;          // Panel15
    GraphPanelControls graphPanel;        // BitBtn7, BitBtn6, CheckBox1..6, Edit1..6
    // Diagram view.
    QFrame *diagramPanel = nullptr;     // Panel7
    QList<QCustomPlot *> diagramCharts; // Chart4..Chart9
    QTableWidget *normsGrid = nullptr;  // StringGrid5
    QFrame *categoryPanel = nullptr;    // Panel8
    // Graph view.
    QCustomPlot *graphChart = nullptr; // Chart3
    // Readings view.
    QFrame *readingsPanel = nullptr;          // Panel4
    QList<QLineEdit *> readingsValueBoxes;    // Edit8..Edit13
    QList<QPlainTextEdit *> readingsCaptions; // Memo3..Memo8

    // Creates every view control inside parent, all hidden.
    static ViewPanels create(QWidget *parent);
    // The controls the readings refresh writes.
    ReadingsView::Controls readingsControls() const;
};
