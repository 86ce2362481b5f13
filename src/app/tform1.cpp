#include "tform1.h"

#include "termination_signals.h"

#include "analyser_commands.h"
#include "clock.h"
#include "demonstration_controller.h"
#include "diagram_refresh.h"
#include "file_dialogs.h"
#include "graph_view.h"
#include "header_transfer_display.h"
#include "help_command.h"
#include "indication_switch.h"
#include "info_view.h"
#include "link_controller.h"
#include "main_window_link_view.h"
#include "message_box_prompts.h"
#include "norms_panel.h"
#include "options_popup_menus.h"
#include "print_service.h"
#include "printer_header_editor.h"
#include "readings_refresh.h"
#include "report_document.h"
#include "report_wiring.h"
#include "settings_appearance.h"
#include "settings_file.h"
#include "shutdown.h"
#include "side_document.h"
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
#include "view_switch.h"
#include "view_table.h"
#include "window_geometry.h"
#include "window_layout.h"
#include "window_placement.h"
#include "work_recovery.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

TForm1::TForm1(const Environment &environment, QWidget *parent)
    : QMainWindow(parent), client_(new QWidget(this)),
      ownPrompts_(environment.prompts ? nullptr : std::make_unique<MessageBoxPrompts>(this)),
      ownClock_(environment.clock ? nullptr : std::make_unique<SystemClock>()),
      ownFileDialogs_(environment.fileDialogs ? nullptr : std::make_unique<SystemFileDialogs>()),
      ownPrinter_(environment.printer ? nullptr : std::make_unique<SystemPrintService>()),
      folder_(environment.workingDirectory) {
    services_.prompts = environment.prompts ? environment.prompts : ownPrompts_.get();
    services_.clock = environment.clock ? environment.clock : ownClock_.get();
    services_.fileDialogs =
        environment.fileDialogs ? environment.fileDialogs : ownFileDialogs_.get();
    services_.printer = environment.printer ? environment.printer : ownPrinter_.get();
    services_.folder = &folder_;
    if (environment.termination)
        connect(environment.termination, &TerminationSignals::terminationRequested, this,
                &TForm1::terminate);

    setObjectName("Form1");
    setWindowTitle(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));
    // Made exact for the window manager's frame when the window is first shown.
    setMinimumSize(WindowPlacement::kMinimumWindowSize);
    buildWindow();
    FormCreate();
    built_ = true;
    // Ended from outside during start-up: the question open then was closed as if
    // cancelled; the window closes once the event loop runs.
    if (terminating_)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

TForm1::~TForm1() {
    // The link's timers stop before the channel and the analyser go.
    link_.reset();
}

void TForm1::buildWindow() {
    client_->setObjectName("ClientArea");
    setCentralWidget(client_);
    geometry_ = new WindowGeometry(*this, state_.Settings, this);
    menu_ = std::make_unique<MainMenu>(menuBar());
    toolbar_ = std::make_unique<MainToolbar>(this);
    addToolBar(Qt::BottomToolBarArea, toolbar_->bar());
    panels_ = ViewPanels::create(client_);
    statusLine_ = new StatusLine(client_);
    options_ = new TPagesDlg(state_, *services_.prompts, this);
    documents_ = new SideDocumentRouter(state_, panels_.sidePanel, this);
    buildTimers();
    buildLink();
    buildCommands();
    buildNormsAndDiagrams();
    connectCommands();
    report_ = new ReportWiring(
        state_, services_, panels_, *menu_, link_->pollCycle(), *analyser_, this,
        {[this](int view) { selectView(view); }, [this] { OpenOptionsAt(TPagesDlg::Graph); }});
    documents_->setReport(&report_->document());
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
    graph_->document().bindMenu(menu_->action("N9"), menu_->action("N10"), menu_->action("N11"));
    documents_->setGraph(&graph_->document());
    report_->vehicleDialog().vehicleDataClosed = [this](bool okPressed) {
        graph_->recording().vehicleDataClosed(okPressed);
    };
    connectOptions();
}

void TForm1::buildTimers() {
    const std::pair<QTimer *, const char *> timers[] = {{&TimerTab, "TimerTab"},
                                                        {&TimerDia, "TimerDia"},
                                                        {&TimerGRP, "TimerGRP"},
                                                        {&TimerDemo, "TimerDemo"}};
    for (const auto &[timer, name] : timers) {
        timer->setParent(this);
        timer->setObjectName(name);
    }
    TimerDemo.setInterval(300);
}

void TForm1::buildLink() {
    serial_ = std::make_unique<TSerial>();
    analyser_ = std::make_unique<TVelantar>();
    analyser_->setPrompts(services_.prompts);
    analyser_->setStatusSink(options_);
    linkView_ = std::make_unique<MainWindowLinkView>(*statusLine_, *options_,
                                                     toolbar_->button("ToolButton17"));
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
    link_ = std::make_unique<LinkController>(*serial_, *analyser_, state_.Settings, state_.Readings,
                                             *linkView_, *services_.prompts, this);

    tupr_ =
        new TUpr(link_->pollCycle(), state_.Settings, state_.Readings, *services_.prompts, this);
    linkView_->onSettingsMenu = [this](int menu) { tupr_->showSettingsMenu(menu); };
    tupr_->indicationSwitchedOff = [this](const SettingsMenuDisplay::IndicationOff &off) {
        statusLine_->pumpField()->setText(off.pumpText);
        statusLine_->fuelField()->setText(off.fuelText);
        readingsRefresh_->resetModeTitles();
    };
}

void TForm1::buildCommands() {
    commands_ = std::make_unique<AnalyserCommands>(*analyser_, *serial_, link_->pollCycle(),
                                                   state_.Settings, state_.Readings,
                                                   *services_.prompts, *services_.clock);
    commands_->showTableView = [this] { selectView(ViewId::Table); };
    headerTransfer_ = std::make_unique<HeaderTransferDisplay>(*analyser_, *statusLine_, *options_);
    commands_->transferStarted = [this] { headerTransfer_->started(); };
    link_->pollCycle().setHeaderObserver(headerTransfer_.get());

    const auto headerButton = [this](const char *name) {
        return panels_.headerPanel->findChild<QPushButton *>(name);
    };
    headerEditor_ = new PrinterHeaderEditor(
        panels_.headerMemo, headerButton("BitBtn11"), headerButton("BitBtn12"),
        headerButton("BitBtn13"), *services_.fileDialogs, *services_.prompts, folder_.text(), this);
    headerEditor_->showTableView = [this] { selectView(ViewId::Table); };
    headerTransfer_->showHeaderLines = [this](const QStringList &lines) {
        headerEditor_->setLinesAsRead(lines);
    };

    indication_ = std::make_unique<IndicationSwitch>(
        state_.IndicationRunning, state_.FrozenReadings, state_.Readings,
        IndicationSwitch::Timers{TimerTab, TimerDia, link_->Timer1, TimerDemo});
    indication_->enableViewRefresh = [this] { enableViewRefresh(); };
    indication_->frozenReadingsCurrent = &state_.FrozenReadingsCurrent;
    indication_->setLinkStatus = [this](const QString &text) {
        statusLine_->linkField()->setText(text);
    };
    readingsRefresh_ =
        new ReadingsRefresh(TimerTab, state_.Readings, state_.Settings, state_.IndicationRunning,
                            panels_.readingsControls(), *services_.clock, this);

    demonstration_ = std::make_unique<DemonstrationController>(
        TimerDemo, *link_, *linkView_, state_.IndicationRunning, state_.Readings);
    demonstration_->enableViewRefresh = [this] { enableViewRefresh(); };
    infoView_ = new InfoView(*panels_.infoSelector, *panels_.infoImage, *panels_.infoMemo, this);
    aboutBox_ = new TAboutBox(this);
    OptionsPopupMenus::attachViewMenus(
        panels_, [this](int page) { OpenOptionsAt(page); }, client_);
}

void TForm1::buildNormsAndDiagrams() {
    norms_ = new NormsPanel(panels_.categoryPanel, panels_.normsGrid, state_.Settings, state_.Flags,
                            *services_.prompts, this, this);
    diagrams_ = new DiagramRefresh(TimerDia, state_, *norms_, panels_.diagramCharts,
                                   panels_.diagramPanel, this);
    diagrams_->openOptionsAt = [this](int page) { OpenOptionsAt(page); };
}

void TForm1::connectCommands() {
    const auto bind = [this](QAction *action, auto handler) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    for (const ViewDefinition &definition : ViewTable::all()) {
        const int view = definition.id;
        connect(toolbar_->button(definition.button), &QToolButton::clicked, this,
                [this, view] { selectView(view); });
        bind(menu_->action(definition.menuItem), [this, view] { selectView(view); });
    }
    bind(menu_->action("N26"), [this] { openOptions(); });
    bind(menu_->action("N27"), [this] { ToolButton14Click(); });
    bind(menu_->action("ExitM"), [this] { close(); });
    connect(toolbar_->button("ToolButton9"), &QToolButton::clicked, this, &TForm1::openOptions);
    connect(toolbar_->button("ToolButton14"), &QToolButton::clicked, this,
            &TForm1::ToolButton14Click);
    connect(toolbar_->button("ToolButton15"), &QToolButton::clicked, this, &QWidget::close);
    connect(statusLine_, &StatusLine::linkFieldClicked, this, &TForm1::ToolButton14Click);

    // Commands to the analyser, from the menu, the toolbar and the printer panel.
    const auto pump = [this] { commands_->togglePump(); };
    const auto startStop = [this] { indication_->toggle(); };
    const auto setClock = [this] { commands_->setClock(); };
    const auto readHeader = [this] { commands_->readHeader(); };
    const auto writeHeader = [this] { commands_->writeHeader(headerEditor_->lines()); };
    bind(menu_->action("N28"), pump);
    bind(menu_->action("N29"), startStop);
    bind(menu_->action("N2"), setClock);
    bind(menu_->action("N3"), readHeader);
    bind(menu_->action("N4"), writeHeader);
    bind(menu_->action("N12"), [this] { headerEditor_->openFile(); });
    bind(menu_->action("N13"), [this] { headerEditor_->saveFile(); });
    connect(toolbar_->button("ToolButton19"), &QToolButton::clicked, this, pump);
    connect(toolbar_->button("ToolButton17"), &QToolButton::clicked, this, startStop);
    connect(statusLine_, &StatusLine::pumpFieldClicked, this, pump);
    const std::pair<const char *, std::function<void()>> panelButtons[] = {
        {"BitBtn14", setClock}, {"BitBtn15", readHeader}, {"BitBtn16", writeHeader}};
    for (const auto &[name, handler] : panelButtons)
        connect(panels_.headerPanel->findChild<QPushButton *>(name), &QPushButton::clicked, this,
                handler);
    connect(options_, &TPagesDlg::connectRequested, this, &TForm1::ToolButton14Click);

    // The demonstration, help and the about box: a toolbar button and a menu item each.
    const std::tuple<const char *, const char *, void (TForm1::*)()> toolCommands[] = {
        {"ToolButton5", "N44", &TForm1::ToolButton5Click},
        {"ToolButton11", "N15", &TForm1::ToolButton11Click},
        {"ToolButton12", "N16", &TForm1::ToolButton12Click}};
    for (const auto &[button, item, handler] : toolCommands) {
        connect(toolbar_->button(button), &QToolButton::clicked, this, handler);
        bind(menu_->action(item), handler);
    }
}

void TForm1::connectOptions() {
    connect(options_, &TPagesDlg::appearanceChanged, this, &TForm1::applyAppearance);
    connect(options_, &TPagesDlg::intervalsChanged, this, &TForm1::applyIntervals);
    connect(options_, &TPagesDlg::graphSettingsChanged, this, &TForm1::applyGraphSettings);
    connect(options_, &TPagesDlg::modeIndicationSwitchedOff, this, &TForm1::showModeIndicationOff);
    connect(options_, &TPagesDlg::normalPollingRequested, this,
            [this] { link_->pollCycle().resumeNormalCycle(); });
    connect(options_, &TPagesDlg::reportKindChanged, this, [this] {
        if (state_.Settings.CurrentView == ViewId::Report)
            ViewSwitch();
    });
    connect(options_, &TPagesDlg::windowModeChanged, geometry_, &WindowGeometry::applyMode);
    // After the dialog's own modal loop has ended.
    connect(options_, &TPagesDlg::resetRequested, this, &QWidget::close, Qt::QueuedConnection);
}

// ---- Start-up --------------------------------------------------------------------------

void TForm1::FormCreate() {
    clearRecordedState();
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
    QToolTip::setPalette(hints);

    state_.Readings.analyserKind = AnalyserKind::FourComponent;
    analyser_->SelectAddressMap(AnalyserKind::FourComponent);
    headerEditor_->loadAtStart();
    putDefaults();

    folder_.createSubfolders();
    state_.Settings = SettingsFile::read(folder_.filePath(DataFileNames::Settings));
    geometry_->applyBorder();
    state_.ViewTimerMode = ViewSwitch::timerModeFor(state_.Settings.CurrentView);
    loadNorms();
    StationFile::read(folder_.filePath(DataFileNames::Station), state_.Vehicle.StationName);
    loadCalibrationGasKits();
    applySettingsToControls();
    applyGraphScale();
    showNormsInForce();
    prepareReportAndCaptions();
    buildInfoPages();
    if (state_.Settings.ConnectAtStart == 1)
        ToolButton14Click();
    // Work the last run saved when it was ended from outside, told once the window is up.
    QTimer::singleShot(
        0, this, [this] { WorkRecovery::tellAboutRecoveredWork(folder_, *services_.prompts); });
}

void TForm1::clearRecordedState() {
    state_.Vehicle.NumberText.clear();
    state_.Vehicle.DetailText.clear();
    graph_->recording().ClearGraph();
}

void TForm1::applyGraphScale() {
    graph_->recording().applyScaleAtStart();
    state_.Vehicle.DetailLabel = DetailLabelFor(state_.Settings.VehicleFieldIndex);
    // With the settings in force and before the link starts recording.
    graph_->recovery().offerRecovery();
}

void TForm1::loadCalibrationGasKits() {
    report_->loadKits(folder_.filePath(DataFileNames::CalibrationGas));
}

void TForm1::prepareReportAndCaptions() {
    graph_->recording().UpdateGraphCaptions();
    report_->startUp();
}

void TForm1::putDefaults() {
    state_.Settings = AppSettings();
    state_.Vehicle.StationName = defaultStationName();
    state_.Flags = ChangeFlags();
    state_.IndicationRunning = true;
}

void TForm1::buildInfoPages() {
    infoView_->build(folder_.text());
}

void TForm1::loadNorms() {
    norms_->LoadNormFile(folder_.filePath(DataFileNames::Norms));
}

void TForm1::showNormsInForce() {
    norms_->startUp();
}

void TForm1::applySettingsToControls() {
    applyIntervals();
    applyAppearance();
}

void TForm1::applyIntervals() {
    TimerTab.setInterval(state_.Settings.ViewInterval[0]);
    TimerDia.setInterval(state_.Settings.ViewInterval[1]);
    TimerGRP.setInterval(state_.Settings.ViewInterval[2]);
}

void TForm1::applyGraphSettings() {
    // Points on screen, shift, total points, one-point scrolling, the sampling interval, line
    // width, legend, full scales and the channel colours of the lines.
    graph_->recording().applySettings();
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

void TForm1::ToolButton14Click() {
    link_->startConnection();
}

void TForm1::onLinkStarting() {
    state_.IndicationRunning = true;
    enableViewRefresh();
    TimerDemo.stop();
    tupr_->showSettingsMenu(SettingsMenuDisplay::NoMenu); // a new search: no menu known yet
}

void TForm1::ToolButton5Click() {
    demonstration_->toggle();
}

void TForm1::enableViewRefresh() {
    if (state_.ViewTimerMode == ViewSwitch::TextViews)
        TimerTab.start();
    else if (state_.ViewTimerMode == ViewSwitch::DiagramView)
        TimerDia.start();
}

void TForm1::showInfoPageFor(AnalyserKind kind) {
    infoView_->showPageFor(kind);
}

void TForm1::onAnalyserFound(AnalyserKind kind) {
    showInfoPageFor(kind);
    // Recording starts with the link when so configured, in whichever view is shown: as if
    // "Запись" were pressed.
    if (state_.Settings.GraphStartMode == 0 && !graph_->recording().isRecording())
        panels_.graphPanel.record->click();
}

// ---- Views and layout ------------------------------------------------------------------

void TForm1::selectView(int view) {
    state_.Settings.CurrentView = view;
    state_.ViewTimerMode = ViewSwitch::timerModeFor(view);
    ViewSwitch();
    if (view == ViewId::Information)
        panels_.infoMemo->setFocus();
    else if (view == ViewId::Graph)
        (panels_.graphPanel.record->isVisible() ? panels_.graphPanel.record
                                                : panels_.graphPanel.stop)
            ->setFocus();
}

void TForm1::ViewSwitch() {
    const int view = state_.Settings.CurrentView;
    toolbar_->showViewPressed(view);
    // A view number no view has (a damaged setting) hides and shows nothing and places only
    // the status line; the refresh timers are still set below.
    if (ViewId::isKnown(view)) {
        const QStringList shown = WindowLayout::viewControls(view, state_.Settings.ReportKind);
        static const QStringList alwaysHidden = {"Panel16", "Panel1", "Panel4"};
        for (const QString &name : WindowLayout::allViewControls()) {
            QWidget *control = client_->findChild<QWidget *>(name);
            if (control && (!shown.contains(name) || alwaysHidden.contains(name)))
                control->hide();
        }
        Layout();
        for (const QString &name : shown)
            if (QWidget *control = client_->findChild<QWidget *>(name))
                control->show();
    } else {
        Layout();
    }

    const ViewSwitch::TimerAction action =
        ViewSwitch::timerAction(state_.ViewTimerMode, state_.IndicationRunning);
    if (action.tabEnabled)
        *action.tabEnabled ? TimerTab.start() : TimerTab.stop();
    if (action.diaEnabled)
        *action.diaEnabled ? TimerDia.start() : TimerDia.stop();
}

void TForm1::Layout() {
    WindowLayout::Input input;
    input.toolbarHeight = toolbar_->bar()->height();
    input.clientWidth = client_->width();
    input.clientHeight = client_->height() + input.toolbarHeight;
    input.currentView = state_.Settings.CurrentView;
    const WindowLayout::Layout layout = WindowLayout::compute(input);
    if (diagrams_)
        diagrams_->applyMetrics(layout.charts);
    for (const WindowLayout::ControlPlacement &placement : layout.placements) {
        QWidget *control = client_->findChild<QWidget *>(placement.name);
        if (!control)
            continue;
        control->setGeometry(placement.geometry);
        if (placement.fontPointSize > 0) {
            QFont font = control->font();
            font.setPointSize(placement.fontPointSize);
            control->setFont(font);
        }
        if (auto *grid = qobject_cast<QTableWidget *>(control)) {
            grid->verticalHeader()->setDefaultSectionSize(std::max(1, placement.rowHeight));
            grid->horizontalHeader()->setDefaultSectionSize(std::max(1, placement.columnWidth));
        }
    }
}

void TForm1::openOptions() {
    static constexpr TPagesDlg::Page PageOfTimerMode[] = {TPagesDlg::General, TPagesDlg::Colour,
                                                          TPagesDlg::Graph};
    OpenOptionsAt(PageOfTimerMode[std::clamp(state_.ViewTimerMode, 0, 2)]);
}

void TForm1::OpenOptionsAt(int page) {
    options_->openAt(TPagesDlg::Page(page), true);
    refreshAfterOptions();
}

void TForm1::refreshAfterOptions() {
    report_->afterOptions();
    // After the report: it takes the detail caption from the settings first.
    graph_->recording().UpdateGraphCaptions();
}

// ---- Help and about ----------------------------------------------------------------------

void TForm1::ToolButton11Click() {
    HelpCommand::show(folder_, *services_.prompts, *panels_.reportMemo,
                      [this] { toolbar_->button("ToolButton3")->click(); });
}

void TForm1::ToolButton12Click() {
    aboutBox_->exec();
}

// ---- Window ----------------------------------------------------------------------------

void TForm1::showEvent(QShowEvent *event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        geometry_->applyAtStart();
        ViewSwitch();
    }
    QMainWindow::showEvent(event);
}

void TForm1::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    Layout();
}

void TForm1::closeEvent(QCloseEvent *event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (!terminating_ && !allowClose()) {
        event->ignore();
        return;
    }
    closing_ = true;
    // Polling stops first: nothing goes on behind a message the exit save may show.
    link_->stop();
    // Ended from outside, no question was asked: unsaved work goes into recovered files.
    if (terminating_)
        WorkRecovery::saveUnsavedWork(documents_->graph(), documents_->report(), folder_,
                                      services_.clock->now());
    Shutdown::WindowState window;
    window.maximised = isMaximized();
    window.frame = frameGeometry();
    Shutdown::OtherFiles otherFiles;
    otherFiles.saveNorms = [this] { norms_->SaveNormFile(folder_.filePath(DataFileNames::Norms)); };
    otherFiles.saveCalibrationGas = [this] {
        report_->saveKits(folder_.filePath(DataFileNames::CalibrationGas));
    };
    // Ended from outside, a graph that could not be saved keeps its journal for the next start.
    otherFiles.closeGraphJournal = [this] { graph_->document().closeJournalAtExit(!terminating_); };
    Shutdown::exitSave(state_.Settings, state_.Flags, window, folder_, state_.Vehicle.StationName,
                       otherFiles, *services_.prompts);
    event->accept();
}

bool TForm1::allowClose() {
    const SideDocument *graph = documents_->graph();
    const SideDocument *report = documents_->report();
    const auto saveFirst = [this](int view) {
        // As the user would: the view that shows the document, then its "Сохранить".
        selectView(view);
        panels_.sidePanel->findChild<QPushButton *>("BitBtn1")->click();
    };
    switch (Shutdown::askToClose(graph && graph->unsaved(), report && report->unsaved(),
                                 *services_.prompts)) {
    case Shutdown::CloseOutcome::SaveGraph:
        saveFirst(ViewId::Graph);
        return false;
    case Shutdown::CloseOutcome::SaveReport:
        saveFirst(ViewId::Report);
        return false;
    case Shutdown::CloseOutcome::Stay:
        return false;
    case Shutdown::CloseOutcome::Close:
        break;
    }
    return true;
}

void TForm1::terminate() {
    terminating_ = true;
    // A question or dialog open now returns as if cancelled; the close then runs from the
    // event loop, after the dialog's own loop has ended.
    if (auto *boxes = dynamic_cast<MessageBoxPrompts *>(services_.prompts))
        boxes->abandon();
    while (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
        dialog->reject();
        if (QApplication::activeModalWidget() == dialog)
            break;
    }
    if (built_)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}
