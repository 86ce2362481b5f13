#include "tform1.h"

#include "analyser_commands.h"
#include "archive_wiring.h"
#include "close_controller.h"
#include "command_bindings.h"
#include "demonstration_controller.h"
#include "desktop_services.h"
#include "diagram_refresh.h"
#include "graph_view.h"
#include "header_transfer_display.h"
#include "help_command.h"
#include "indication_switch.h"
#include "info_view.h"
#include "layout_applier.h"
#include "link_controller.h"
#include "main_window_link_view.h"
#include "norms_panel.h"
#include "options_popup_menus.h"
#include "printer_header_editor.h"
#include "readings_refresh.h"
#include "readings_source.h"
#include "report_document.h"
#include "report_wiring.h"
#include "settings_appearance.h"
#include "settings_file.h"
#include "side_document_router.h"
#include "station_file.h"
#include "status_line.h"
#include "taboutbox.h"
#include "termination_signals.h"
#include "tform2.h"
#include "tpagesdlg.h"
#include "tserial.h"
#include "tupr.h"
#include "tvelantar.h"
#include "view_ids.h"
#include "view_switcher.h"
#include "view_table.h"
#include "window_geometry.h"
#include "window_placement.h"
#include "work_recovery.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TForm1::TForm1(const Environment &environment, QWidget *parent)
    : QMainWindow(parent), client_(new QWidget(this)),
      desktop_({environment.workingDirectory, environment.prompts, environment.clock,
                environment.fileDialogs, environment.printer},
               this),
      folder_(desktop_.folder()), services_(desktop_.services()),
      givenArchive_(environment.archive) {
    closer_ = new CloseController(state_, services_, this);
    connect(closer_, &CloseController::closeWanted, this, &QWidget::close);
    if (environment.termination)
        connect(environment.termination, &TerminationSignals::terminationRequested, closer_,
                &CloseController::terminate);

    setObjectName("Form1");
    setWindowTitle(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));
    // Made exact for the window manager's frame when the window is first shown.
    setMinimumSize(WindowPlacement::kMinimumWindowSize);
    buildWindow();
    FormCreate();
    closer_->startUpFinished();
}

TForm1::~TForm1() {
    // The link's timers stop before the channel and the analyser go.
    link_.reset();
}

void TForm1::selectView(int view) {
    views_->select(view);
}

void TForm1::terminate() {
    closer_->terminate();
}

void TForm1::buildWindow() {
    client_->setObjectName("ClientArea");
    setCentralWidget(client_);
    geometry_ = new WindowGeometry(*this, state_.Store, this);
    menu_ = std::make_unique<MainMenu>(menuBar());
    toolbar_ = std::make_unique<MainToolbar>(this);
    addToolBar(Qt::BottomToolBarArea, toolbar_->bar());
    panels_ = ViewPanels::create(client_);
    statusLine_ = new StatusLine(client_);
    buildViews();
    options_ = new TPagesDlg(state_, *services_.prompts, this);
    documents_ = new SideDocumentRouter(state_, panels_.sideButtons, this);
    buildLink();
    buildCommands();
    buildNormsAndDiagrams();
    connectCommands();
    report_ = new ReportWiring(
        state_, services_, panels_, *menu_, link_->pollCycle(), *analyser_, this,
        {[this](int view) { selectView(view); }, [this] { OpenOptionsAt(TPagesDlg::Graph); }});
    documents_->setReport(&report_->document());
    archive_ =
        new ArchiveWiring(state_, services_, *norms_, report_->document(), *statusLine_, this);
    graph_ = new GraphView(state_, services_, TimerGRP,
                           {panels_.graphChart, panels_.graphPanel, this}, this);
    connect(graph_, &GraphView::showGraphViewRequested, this,
            [this] { selectView(ViewId::Graph); });
    connect(graph_, &GraphView::graphOptionsRequested, this,
            [this] { OpenOptionsAt(TPagesDlg::Graph); });
    connect(graph_, &GraphView::controlOptionsRequested, this,
            [this] { OpenOptionsAt(TPagesDlg::Control); });
    connect(graph_, &GraphView::vehicleTextsLoaded, this,
            [this] { report_->document().rebuild(); });
    connect(readingsRefresh_, &ReadingsRefresh::graphPanelTexts, &graph_->recording(),
            &GraphRecording::showPanelValues);
    connect(views_, &ViewSwitcher::viewShown, &graph_->recording(),
            [this](int view) { graph_->recording().showRecordingPair(view == ViewId::Graph); });
    const MainMenu::Items &items = menu_->items();
    graph_->document().bindMenu(items.openGraph, items.saveGraph, items.printGraph);
    documents_->setGraph(&graph_->document());
    report_->vehicleDialog().vehicleDataClosed = [this](bool okPressed) {
        graph_->recording().vehicleDataClosed(okPressed);
    };
    connectOptions();
    buildClosing();
}

void TForm1::buildViews() {
    const std::pair<QTimer *, const char *> timers[] = {{&TimerTab, "TimerTab"},
                                                        {&TimerDia, "TimerDia"},
                                                        {&TimerGRP, "TimerGRP"},
                                                        {&TimerDemo, "TimerDemo"}};
    for (const auto &[timer, name] : timers) {
        timer->setParent(this);
        timer->setObjectName(name);
    }
    TimerDemo.setInterval(300);

    QHash<QString, QWidget *> placeable = panels_.byName;
    for (QWidget *field : statusLine_->fields())
        placeable.insert(field->objectName(), field);
    layout_ = new LayoutApplier(*client_, *toolbar_->bar(), placeable, this);
    views_ = new ViewSwitcher(state_, panels_, *toolbar_, *layout_, TimerTab, TimerDia, this);
}

void TForm1::buildLink() {
    serial_ = std::make_unique<TSerial>();
    analyser_ = std::make_unique<TVelantar>();
    analyser_->setPrompts(services_.prompts);
    analyser_->setStatusSink(options_);
    linkView_ = std::make_unique<MainWindowLinkView>(*statusLine_, *options_,
                                                     toolbar_->buttons().startStop);
    linkView_->onLinkStarting = [this] { onLinkStarting(); };
    linkView_->onAnalyserFound = [this](AnalyserKind kind) { onAnalyserFound(kind); };
    linkView_->onAnalyserLost = [this] { close(); };
    // The views show the readings as not current at once, not at their next tick.
    linkView_->onLinkLost = [this] {
        if (TimerTab.isActive())
            readingsRefresh_->TimerTabTimer();
        if (TimerDia.isActive())
            diagrams_->TimerDiaTimer();
    };
    readings_ = new ReadingsSource(this);
    state_.bindReadings(readings_->readings());
    link_ = std::make_unique<LinkController>(*serial_, *analyser_, state_.Store, *readings_,
                                             *linkView_, *services_.prompts, this);

    tupr_ =
        new TUpr(link_->pollCycle(), state_.Store, readings_->readings(), *services_.prompts, this);
    linkView_->onSettingsMenu = [this](int menu) { tupr_->showSettingsMenu(menu); };
    tupr_->indicationSwitchedOff = [this](const SettingsMenuDisplay::IndicationOff &off) {
        statusLine_->pumpField()->setText(off.pumpText);
        statusLine_->fuelField()->setText(off.fuelText);
        readingsRefresh_->resetModeTitles();
    };
}

void TForm1::buildCommands() {
    commands_ = std::make_unique<AnalyserCommands>(*analyser_, *serial_, link_->pollCycle(),
                                                   state_.Store, readings_->readings(),
                                                   *services_.prompts, *services_.clock);
    commands_->showTableView = [this] { selectView(ViewId::Table); };
    headerTransfer_ = std::make_unique<HeaderTransferDisplay>(*analyser_, *statusLine_, *options_);
    commands_->transferStarted = [this] { headerTransfer_->started(); };
    link_->pollCycle().setHeaderObserver(headerTransfer_.get());

    const ViewPanels::HeaderButtons &header = panels_.headerButtons;
    headerEditor_ =
        new PrinterHeaderEditor(panels_.headerMemo, header.open, header.save, header.clear,
                                *services_.fileDialogs, *services_.prompts, folder_.text(), this);
    headerEditor_->showTableView = [this] { selectView(ViewId::Table); };
    headerTransfer_->showHeaderLines = [this](const QStringList &lines) {
        headerEditor_->setLinesAsRead(lines);
    };

    indication_ = std::make_unique<IndicationSwitch>(*readings_,
                                                     IndicationSwitch::Timers{TimerTab, TimerDia});
    state_.bindIndication(indication_->state());
    connect(indication_.get(), &IndicationSwitch::resumedByPress, views_,
            &ViewSwitcher::startViewRefresh);
    // The link status field has this one writer.
    connect(indication_.get(), &IndicationSwitch::linkStatusChanged, statusLine_->linkField(),
            &QLineEdit::setText);
    readingsRefresh_ = new ReadingsRefresh(TimerTab, readings_->readings(), state_.Settings,
                                           indication_->state().running, panels_.readingsControls(),
                                           *services_.clock, this);

    demonstration_ = std::make_unique<DemonstrationController>(TimerDemo, *link_, *linkView_,
                                                               *indication_, *readings_);
    demonstration_->enableViewRefresh = [this] { views_->startViewRefresh(); };
    infoView_ = new InfoView(*panels_.infoSelector, *panels_.infoImage, *panels_.infoMemo, this);
    aboutBox_ = new TAboutBox(this);
    OptionsPopupMenus::attachViewMenus(
        panels_, [this](int page) { OpenOptionsAt(page); }, client_);
}

void TForm1::buildNormsAndDiagrams() {
    norms_ = new NormsPanel(panels_.normsControls, panels_.normsGrid, state_.Store, state_.Flags,
                            *services_.prompts, this, this);
    diagrams_ = new DiagramRefresh(TimerDia, state_, *norms_, panels_.diagramCharts,
                                   panels_.diagramPanel, this);
    diagrams_->openOptionsAt = [this](int page) { OpenOptionsAt(page); };
    connect(layout_, &LayoutApplier::chartsPlaced, diagrams_, &DiagramRefresh::applyMetrics);
}

void TForm1::connectCommands() {
    WindowCommands commands;
    commands.selectView = [this](int view) { selectView(view); };
    commands.openOptions = [this] { openOptions(); };
    commands.connectLink = [this] { link_->startConnection(); };
    commands.exit = [this] { close(); };
    // Commands to the analyser, from the menu, the toolbar and the printer panel.
    commands.pump = [this] { commands_->togglePump(); };
    commands.startStop = [this] { indication_->toggle(); };
    commands.setClock = [this] { commands_->setClock(); };
    commands.readHeader = [this] { commands_->readHeader(); };
    commands.writeHeader = [this] { commands_->writeHeader(headerEditor_->lines()); };
    commands.openHeader = [this] { headerEditor_->openFile(); };
    commands.saveHeader = [this] { headerEditor_->saveFile(); };
    commands.demonstration = [this] { demonstration_->toggle(); };
    commands.help = [this] {
        HelpCommand::show(folder_, *services_.prompts, *panels_.reportMemo,
                          [this] { toolbar_->viewButton(ViewId::Report)->click(); });
    };
    commands.about = [this] { aboutBox_->exec(); };
    CommandBindings::bind(commands, *menu_, *toolbar_, panels_, *statusLine_, this);
    connect(options_, &TPagesDlg::connectRequested, this, commands.connectLink);
}

void TForm1::connectOptions() {
    connect(options_, &TPagesDlg::appearanceChanged, this, &TForm1::applyAppearance);
    connect(options_, &TPagesDlg::intervalsChanged, this, &TForm1::applyIntervals);
    // Points on screen, shift, total points, one-point scrolling, the sampling interval, line
    // width, legend, full scales and the channel colours of the lines.
    connect(options_, &TPagesDlg::graphSettingsChanged, &graph_->recording(),
            &GraphRecording::applySettings);
    connect(options_, &TPagesDlg::modeIndicationSwitchedOff, this, &TForm1::showModeIndicationOff);
    connect(options_, &TPagesDlg::normalPollingRequested, this,
            [this] { link_->pollCycle().resumeNormalCycle(); });
    connect(options_, &TPagesDlg::reportKindChanged, this, [this] {
        if (state_.Settings.CurrentView == ViewId::Report)
            views_->showCurrent();
    });
    connect(options_, &TPagesDlg::windowModeChanged, geometry_, &WindowGeometry::applyMode);
    // After the dialog's own modal loop has ended.
    connect(options_, &TPagesDlg::resetRequested, this, &QWidget::close, Qt::QueuedConnection);
    archive_->bindWindow(menu_->items().archive, *options_, this, givenArchive_,
                         [this] { selectView(ViewId::Report); });
}

void TForm1::buildClosing() {
    CloseController::Steps steps;
    steps.documents = documents_;
    steps.saveButton = panels_.sideButtons.save;
    steps.showView = [this](int view) { selectView(view); };
    steps.stopPolling = [this] { link_->stop(); };
    steps.saveNorms = [this] { norms_->SaveNormFile(folder_.filePath(DataFileNames::Norms)); };
    steps.saveCalibrationGas = [this] {
        report_->saveKits(folder_.filePath(DataFileNames::CalibrationGas));
    };
    steps.closeGraphJournal = [this](bool userAsked) {
        graph_->document().closeJournalAtExit(userAsked);
    };
    closer_->setSteps(std::move(steps));
}

// ---- Start-up --------------------------------------------------------------------------

void TForm1::FormCreate() {
    state_.Vehicle.NumberText.clear();
    state_.Vehicle.DetailText.clear();
    graph_->recording().ClearGraph();
    applyHintPalette();

    analyser_->SelectAddressMap(AnalyserKind::FourComponent);
    headerEditor_->loadAtStart();
    // Nothing the user changed yet: whatever building the window marked goes.
    state_.Flags = ChangeFlags();

    folder_.createSubfolders();
    state_.Store.replace(SettingsFile::read(folder_.filePath(DataFileNames::Settings)));
    geometry_->applyBorder();
    state_.ViewTimerMode = ViewTimerMode::of(state_.Settings.CurrentView);
    norms_->LoadNormFile(folder_.filePath(DataFileNames::Norms));
    StationFile::read(folder_.filePath(DataFileNames::Station), state_.Vehicle.StationName);
    report_->loadKits(folder_.filePath(DataFileNames::CalibrationGas));
    applyIntervals();
    applyAppearance();
    graph_->recording().applyScaleAtStart();
    state_.Vehicle.DetailLabel = DetailLabelFor(state_.Settings.VehicleFieldIndex);
    // With the settings in force and before the link starts recording.
    graph_->recovery().offerRecovery();
    // The limits of the speed mode in force, the mode indicator and the norms grid.
    norms_->startUp();
    graph_->recording().UpdateGraphCaptions();
    report_->startUp();
    archive_->startUp();
    infoView_->build(folder_.text());
    if (state_.Settings.ConnectAtStart == 1)
        link_->startConnection();
    // Work the last run saved when it was ended from outside, told once the window is up.
    QTimer::singleShot(
        0, this, [this] { WorkRecovery::tellAboutRecoveredWork(folder_, *services_.prompts); });
}

void TForm1::applyIntervals() {
    TimerTab.setInterval(state_.Settings.ViewInterval[0]);
    TimerDia.setInterval(state_.Settings.ViewInterval[1]);
    TimerGRP.setInterval(state_.Settings.ViewInterval[2]);
}

void TForm1::showModeIndicationOff() {
    // A settings menu the analyser had open is no longer followed once the modes are not
    // read: its dialog closes and polling leaves the settings-menu cycle.
    tupr_->showSettingsMenu(SettingsMenuDisplay::NoMenu);
    statusLine_->fuelField()->setText(QString());
    statusLine_->setText(statusLine_->pumpField(), QStringLiteral(" Насос"), Qt::black);
    readingsRefresh_->resetModeTitles();
}

void TForm1::applyAppearance() {
    applySettingsAppearance(state_.Settings, panels_);
    graph_->recording().applyLook();
    diagrams_->applyColours(palette().color(QPalette::Window));
}

// ---- Link ------------------------------------------------------------------------------

void TForm1::onLinkStarting() {
    indication_->resume();
    views_->startViewRefresh();
    demonstration_->stopForConnection();
    tupr_->showSettingsMenu(SettingsMenuDisplay::NoMenu); // a new search: no menu known yet
}

void TForm1::onAnalyserFound(AnalyserKind kind) {
    // The info page shown after detection: the first for a four-component analyser,
    // otherwise the last.
    infoView_->showPageFor(kind);
    // Recording starts with the link when so configured, in whichever view is shown: as if
    // "Запись" were pressed.
    if (state_.Settings.GraphStartMode == 0 && !graph_->recording().isRecording())
        panels_.graphPanel.record->click();
}

// ---- Options ---------------------------------------------------------------------------

void TForm1::openOptions() {
    static constexpr TPagesDlg::Page PageOfTimerMode[] = {TPagesDlg::General, TPagesDlg::Colour,
                                                          TPagesDlg::Graph};
    OpenOptionsAt(PageOfTimerMode[std::clamp(state_.ViewTimerMode, 0, 2)]);
}

void TForm1::OpenOptionsAt(int page) {
    options_->openAt(TPagesDlg::Page(page), true);
    // The dialog may have changed what the report and the graph captions show; the report
    // first: it takes the detail caption from the settings.
    report_->afterOptions();
    graph_->recording().UpdateGraphCaptions();
}

// ---- Window ----------------------------------------------------------------------------

void TForm1::showEvent(QShowEvent *event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        geometry_->applyAtStart();
        views_->showCurrent();
    }
    QMainWindow::showEvent(event);
}

void TForm1::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    if (layout_)
        layout_->apply(state_.Settings.CurrentView);
}

void TForm1::closeEvent(QCloseEvent *event) {
    if (closer_->closeRequested({isMaximized(), frameGeometry()}))
        event->accept();
    else
        event->ignore();
}
