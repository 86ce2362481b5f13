#pragma once

#include "graph_captions.h"
#include "graph_chart.h"
#include "graph_file_types.h"
#include "graph_recorder.h"
#include "journal_writer.h"
#include "side_document.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QCheckBox;
class QCustomPlot;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;
struct RunState;
struct Services;

// The graph view: the recording on TimerGRP with "Запись" and "Останов", the channel check
// boxes, the cursor read-out, the captions, and the graph's side of the side panel's shared
// buttons (save, open, clear, print, configure). It owns the record (GraphRecorder) and the
// chart (GraphChart) and takes everything else from the run state and the services.
//
// Recording goes on in every view; the chart is drawn only while it is shown. While the record
// is made, every sample also goes to the graph journal in the folder Graph (JournalWriter), so
// that a crash or a power cut does not lose the test: start-up offers the journal's record
// back (offerRecovery).
class GraphView : public QObject, public SideDocument {
    Q_OBJECT

public:
    // Where the graph's controls are: the chart, and the side panel holding "Запись" (BitBtn7),
    // "Останов" (BitBtn6), the check boxes CheckBox1..CheckBox6 and the value boxes
    // Edit1..Edit6, found there by name.
    struct Controls {
        QCustomPlot *chart = nullptr;    // Chart3
        QWidget *sidePanel = nullptr;    // Panel15
        QWidget *dialogParent = nullptr; // the window the dialogs belong to
    };

    // What the graph asks of the main window.
    struct Hooks {
        std::function<void()> showGraphView;    // before the menu's open, save and print
        std::function<void()> openGraphOptions; // "Настроить": the options at "График"
        std::function<void()> openControlOptions; // a click on the legend: at "Управл."
        std::function<void()> rebuildReport;      // a graph file brought its vehicle texts
        std::function<void()> updatePanelValues;  // UpdateGraphPanelValues
    };

    // The controls are wired now; timerGRP's timeout runs TimerGRPTimer.
    GraphView(RunState &state, const Services &services, QTimer &timerGRP, const Controls &controls,
              Hooks hooks, QObject *parent = nullptr);

    // "Открыть график", "Сохранить график", "Печать графика": the graph view first.
    void bindMenu(QAction *open, QAction *save, QAction *print);

    // Start-up: the record empty and dated today, the time axis at [0, W], s and m from the
    // settings, SinceShift 0, and the chart's look (colours, line width, legend titles and
    // visibility, shown channels).
    void applyScaleAtStart();
    // Everything the settings decide, at once, as the options dialog's "OK" needs it: the
    // sampling interval, W (the axis keeps its minimum), P, K, one-point scrolling, the full
    // scales (the chart redraws the record against them), and the look.
    void applySettings();
    // The look alone: colours, line width, legend titles and visibility, shown channels.
    void applyLook();

    void TimerGRPTimer();
    void BitBtn7Click(); // "Запись"
    void BitBtn6Click(); // "Останов"
    // An empty record dated today, the axis at [0, W], then the captions.
    void ClearGraph();
    // Trims NumberText and DetailText and puts the title and footer on the chart.
    void UpdateGraphCaptions();
    // The vehicle data dialog closed: "ОК" dates the graph today; the captions follow.
    void vehicleDataClosed(bool okPressed);

    // Start-up, once the settings are read and before the link starts: a journal an unclean
    // end left behind is offered back with JournalRecovery::kQuestion. Yes: the record, its
    // date and vehicle texts come back, GraphUnsaved is set and the graph view is shown
    // (the captions and the report follow in the next start-up step). No: the record is
    // kept aside as a graph file "Восстановлен_<date>_<time>.dan" in Graph and the user is
    // told its name. A journal whose beginning is damaged is kept aside under a dated name,
    // and the user is told which.
    void offerRecovery();
    // The record as a graph file "Восстановлен_<date>_<time>.dan" in graphFolder, never
    // replacing a file; returns its path, or an empty string when it could not be written.
    // When every sample went into it, GraphUnsaved is cleared and the journal removed. An
    // empty record writes nothing.
    QString saveRecovered(const QString &graphFolder, const QDateTime &now) override;
    // The end of the program. After the user was asked (or had nothing to be asked about),
    // the journal goes; when the program is ended from outside with the graph unsaved, it
    // stays, on the disk, for the next start.
    void closeJournalAtExit(bool userAsked);
    const JournalWriter &journal() const { return journal_; }

    // SideDocument
    void save() override;      // stops, asks where, writes by type; a failure is told
    void open() override;      // stops, offers to save unsaved work, reads a graph file
    void clear() override;     // asks before erasing two samples or more
    void print() override;     // one landscape page, the plot white on paper
    void configure() override; // the options at "График"
    bool unsaved() const override;

    const GraphRecorder &recorder() const { return recorder_; }
    GraphChart &chart() { return chart_; }
    const GraphCaptions &captions() const { return captions_; }
    bool isRecording() const { return recorder_.isRecording(); }

private:
    void apply(const RecorderControls &controls);
    GraphJournal::RecordInfo recordInfo() const;
    void journalWritten(JournalWriter::Outcome outcome);
    void restoreJournal(const GraphJournal::Contents &journal, const QDateTime &now);
    void keepDeclinedJournal(const GraphJournal::Contents &journal, const QDateTime &now);
    void keepDamagedJournal(const QDateTime &now);
    void readOutAt(double position);
    void channelToggled(int channel, bool shown);
    bool writeFile(const QString &path, GraphFileType type);
    void tell(const QString &text);
    RecorderSettings recorderSettings() const;
    FullScales fullScales() const;
    GraphChart::Look lookFromSettings() const;
    QString graphFolder() const;
    QDate today() const;

    RunState &state_;
    const Services &services_;
    QTimer &timer_;
    QWidget *dialogParent_;
    QPushButton *recordButton_;
    QPushButton *stopButton_;
    QList<QCheckBox *> channelBoxes_;
    QList<QLineEdit *> valueBoxes_;
    Hooks hooks_;
    GraphRecorder recorder_;
    GraphChart chart_;
    GraphCaptions captions_;
    JournalWriter journal_;
    // The type the save dialog showed last; it opens with it again.
    QString lastSaveFilter_;
};
