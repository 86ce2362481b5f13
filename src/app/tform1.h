#pragma once

#include "desktop_services.h"
#include "main_menu.h"
#include "main_toolbar.h"
#include "run_state.h"
#include "services.h"
#include "view_panels.h"
#include "working_folder.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class AnalyserCommands;
class ArchiveWiring;
class CloseController;
class DiagramRefresh;
class DemonstrationController;
class FileDialogs;
class GraphView;
class HeaderTransferDisplay;
class IndicationSwitch;
class InfoView;
class LayoutApplier;
class LinkController;
class MainWindowLinkView;
class NormsPanel;
class PrintService;
class PrinterHeaderEditor;
class ReadingsRefresh;
class ReadingsSource;
class ReportWiring;
class SideDocumentRouter;
class StatusLine;
class TAboutBox;
class TPagesDlg;
class TSerial;
class TUpr;
class TVelantar;
class TerminationSignals;
class TestArchive;
class UserPrompts;
class ViewSwitcher;
class WindowGeometry;

// The main window: the composition root of the program. It owns the state of the run
// (RunState), the services (prompts, clock, dialogs, printer, working folder), the serial
// channel and the analyser, and wires the subsystems together; their behaviour lives in
// their own classes.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // What the program is given from outside; a null service is replaced by the real one.
    struct Environment {
        QString workingDirectory;           // the folder that is current at start
        UserPrompts *prompts = nullptr;     // null: modal message boxes
        Clock *clock = nullptr;             // null: the computer's clock
        FileDialogs *fileDialogs = nullptr; // null: the desktop's file dialogs
        PrintService *printer = nullptr;    // null: the desktop's print dialog
        // A logout, SIGTERM or Ctrl+C, taken from the first moment of start-up (a start-up
        // question may be open when it comes); null: the program is not ended from outside.
        TerminationSignals *termination = nullptr;
        // The test archive "Архив испытаний..." shows; null: none is open.
        TestArchive *archive = nullptr;
    };

    explicit TForm1(const Environment &environment, QWidget *parent = nullptr);
    ~TForm1() override;

    // The view buttons and their menu items.
    void selectView(int view);
    // Opens the options dialog on the page that suits the current view.
    void openOptions();
    // Opens the options dialog modally on the given page (a TPagesDlg::Page); afterwards the
    // graph captions and the report text are refreshed, since the dialog may have changed
    // what they show.
    void OpenOptionsAt(int page);
    // The program is ended from outside (a termination signal, a logout): an open question
    // is closed as if cancelled, no question is asked, and the window closes through the
    // exit save.
    void terminate();

    RunState &state() { return state_; }
    const RunState &state() const { return state_; }
    const Services &services() const { return services_; }
    LinkController &link() const { return *link_; }
    ReadingsSource &readingsSource() const { return *readings_; }
    AnalyserCommands &commands() const { return *commands_; }
    PrinterHeaderEditor &headerEditor() const { return *headerEditor_; }
    TPagesDlg &options() const { return *options_; }
    SideDocumentRouter &documents() const { return *documents_; }
    NormsPanel &norms() const { return *norms_; }
    DiagramRefresh &diagrams() const { return *diagrams_; }
    ReportWiring &report() const { return *report_; }
    GraphView &graph() const { return *graph_; }
    DemonstrationController &demonstration() const { return *demonstration_; }
    InfoView &infoView() const { return *infoView_; }
    ViewSwitcher &views() const { return *views_; }
    CloseController &closing() const { return *closer_; }
    const ViewPanels &panels() const { return panels_; }
    const WorkingFolder &workingFolder() const { return folder_; }
    ArchiveWiring &archiveWiring() const { return *archive_; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Start-up: the data files read and applied in their order.
    void FormCreate();
    void buildWindow();
    // The refresh timers, the layout and the view switch.
    void buildViews();
    void buildLink();
    void buildCommands();
    void buildNormsAndDiagrams();
    void buildClosing();
    void connectCommands();
    void connectOptions();
    // TimerTab, TimerDia and TimerGRP take their intervals from the settings.
    void applyIntervals();
    // The options switched the analyser's mode indication off.
    void showModeIndicationOff();
    // Gives every control the colours and visibility the settings hold; run at start-up and
    // whenever the options change a colour.
    void applyAppearance();
    void onLinkStarting();
    void onAnalyserFound(AnalyserKind kind);

    RunState state_;
    QWidget *client_;
    DesktopServices desktop_;
    const WorkingFolder &folder_;
    const Services &services_;

    // View refresh timers and the demonstration's timer.
    QTimer TimerTab;
    QTimer TimerDia;
    QTimer TimerGRP;
    QTimer TimerDemo;

    std::unique_ptr<TSerial> serial_;
    std::unique_ptr<TVelantar> analyser_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<MainToolbar> toolbar_;
    StatusLine *statusLine_ = nullptr;
    ViewPanels panels_;
    TPagesDlg *options_ = nullptr;
    SideDocumentRouter *documents_ = nullptr;
    std::unique_ptr<MainWindowLinkView> linkView_;
    ReadingsSource *readings_ = nullptr;
    std::unique_ptr<LinkController> link_;
    std::unique_ptr<AnalyserCommands> commands_;
    std::unique_ptr<IndicationSwitch> indication_;
    std::unique_ptr<HeaderTransferDisplay> headerTransfer_;
    PrinterHeaderEditor *headerEditor_ = nullptr;
    ReadingsRefresh *readingsRefresh_ = nullptr;
    NormsPanel *norms_ = nullptr;
    DiagramRefresh *diagrams_ = nullptr;
    ReportWiring *report_ = nullptr;
    ArchiveWiring *archive_ = nullptr;
    GraphView *graph_ = nullptr;
    TUpr *tupr_ = nullptr;
    std::unique_ptr<DemonstrationController> demonstration_;
    InfoView *infoView_ = nullptr;
    TAboutBox *aboutBox_ = nullptr;
    WindowGeometry *geometry_ = nullptr;
    LayoutApplier *layout_ = nullptr;
    ViewSwitcher *views_ = nullptr;
    CloseController *closer_ = nullptr;
    TestArchive *givenArchive_ = nullptr;
    bool shownOnce_ = false;
};
