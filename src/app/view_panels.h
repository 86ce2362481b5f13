#pragma once

#include "graph_panel_controls.h"
#include "norms_panel_controls.h"
#include "readings_view.h"

#include <QHash>
#include <QList>
#include <QString>

class QCustomPlot;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QSpinBox;
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
    QList<QFrame *> readingsCells;            // Panel5, Panel6, Panel17..Panel20
    QList<QLineEdit *> readingsValueBoxes;    // Edit8..Edit13
    QList<QPlainTextEdit *> readingsCaptions; // Memo3..Memo8

    // The side panel's document and report buttons.
    struct SideButtons {
        QPushButton *save = nullptr;          // BitBtn1 "Сохранить"
        QPushButton *open = nullptr;          // BitBtn2 "Открыть"
        QPushButton *clear = nullptr;         // BitBtn3 "Стереть"
        QPushButton *print = nullptr;         // BitBtn4 "Печать"
        QPushButton *configure = nullptr;     // BitBtn5 "Настроить"
        QPushButton *arrange = nullptr;       // BitBtn9 "Оформить"
        QFrame *speedRecordPanel = nullptr;   // Panel16: the report form's record buttons
        QLabel *speedRecordCaption = nullptr; // Label6 "Записать:"
        QList<QPushButton *> speedRecord;     // BitBtn17 "Nмин.", BitBtn18 "Nпов."
        QFrame *gasRecordPanel = nullptr;     // Panel1: the protocols' record buttons
        QList<QPushButton *> gasRecord;       // BitBtn19..BitBtn21 "ПГС 1".."ПГС 3"
    } sideButtons;
    // The printer panel's buttons (Panel2).
    struct HeaderButtons {
        QPushButton *open = nullptr;        // BitBtn11 "Открыть"
        QPushButton *save = nullptr;        // BitBtn12 "Сохранить"
        QPushButton *clear = nullptr;       // BitBtn13 "Стереть"
        QPushButton *setClock = nullptr;    // BitBtn14 "Время"
        QPushButton *readHeader = nullptr;  // BitBtn15 "Прочитать"
        QPushButton *writeHeader = nullptr; // BitBtn16 "Записать"
    } headerButtons;
    NormsPanelControls normsControls; // the norms panel's controls (Panel8)
    // Every control the builders named, by control name: the layout places controls by name.
    QHash<QString, QWidget *> byName;

    // Creates every view control inside parent, all hidden.
    static ViewPanels create(QWidget *parent);
    // The controls the readings refresh writes.
    ReadingsView::Controls readingsControls() const;
};
