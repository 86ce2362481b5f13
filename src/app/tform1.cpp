#include "tform1.h"

#include "analyser_commands.h"
#include "clock.h"
#include "file_dialogs.h"
#include "header_transfer_display.h"
#include "indication_switch.h"
#include "link_controller.h"
#include "main_window_link_view.h"
#include "message_box_prompts.h"
#include "printer_header_editor.h"
#include "readings_refresh.h"
#include "settings_appearance.h"
#include "settings_file.h"
#include "shutdown.h"
#include "station_file.h"
#include "status_line.h"
#include "tpagesdlg.h"
#include "tserial.h"
#include "tvelantar.h"
#include "view_switch.h"
#include "window_layout.h"
#include "window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The view buttons and the menu items bound to them.
struct ViewCommand {
    const char *button;
    const char *menuItem;
    int view;
};
constexpr ViewCommand ViewCommands[] = {
    {"ToolButton8", "N19", WindowLayout::kReadingsView},
    {"ToolButton1", "N20", WindowLayout::kInformationView},
    {"ToolButton2", "N21", WindowLayout::kTableView},
    {"ToolButton3", "N22", WindowLayout::kReportView},
    {"ToolButton6", "N23", WindowLayout::kDiagramView},
    {"ToolButton7", "N24", WindowLayout::kGraphView},
};

constexpr int FramelessMode0 = 0;
constexpr int SizeableMode = 1;
constexpr int FullScreenMode = 2;

} // namespace

TForm1::TForm1(const Environment &environment, QWidget *parent)
    : QMainWindow(parent), client_(new QWidget(this)),
      ownPrompts_(environment.prompts ? nullptr : std::make_unique<MessageBoxPrompts>(this)),
      prompts_(environment.prompts ? environment.prompts : ownPrompts_.get()),
      ownClock_(environment.clock ? nullptr : std::make_unique<SystemClock>()),
      clock_(environment.clock ? environment.clock : ownClock_.get()),
      ownFileDialogs_(environment.fileDialogs ? nullptr : std::make_unique<SystemFileDialogs>()),
      fileDialogs_(environment.fileDialogs ? environment.fileDialogs : ownFileDialogs_.get()),
      folder_(environment.workingDirectory) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));
    setMinimumSize(WindowPlacement::kMinimumWindowSize);
    buildWindow();
    FormCreate();
}

TForm1::~TForm1() {
    // The link's timers stop before the channel and the analyser go.
    link_.reset();
}

void TForm1::buildWindow() {
    client_->setObjectName("ClientArea");
    setCentralWidget(client_);
    menu_ = std::make_unique<MainMenu>(menuBar());
    toolbar_ = std::make_unique<MainToolbar>(this);
    addToolBar(Qt::BottomToolBarArea, toolbar_->bar());
    panels_ = ViewPanels::create(client_);
    statusLine_ = new StatusLine(client_);
    options_ = new TPagesDlg(Settings, this);

    for (QTimer *timer : {&TimerTab, &TimerDia, &TimerGRP, &TimerDemo})
        timer->setParent(this);
    TimerTab.setObjectName("TimerTab");
    TimerDia.setObjectName("TimerDia");
    TimerGRP.setObjectName("TimerGRP");
    TimerDemo.setObjectName("TimerDemo");
    TimerDemo.setInterval(300);

    serial_ = std::make_unique<TSerial>();
    analyser_ = std::make_unique<TVelantar>();
    analyser_->setPrompts(prompts_);
    analyser_->setStatusSink(options_);
    linkView_ = std::make_unique<MainWindowLinkView>(*statusLine_, *options_,
                                                     toolbar_->button("ToolButton17"));
    linkView_->onLinkStarting = [this] { onLinkStarting(); };
    linkView_->onAnalyserFound = [this](AnalyserKind kind) { onAnalyserFound(kind); };
    linkView_->onAnalyserLost = [this] { close(); };
    link_ = std::make_unique<LinkController>(*serial_, *analyser_, Settings, Readings, *linkView_,
                                             *prompts_, this);

    commands_ = std::make_unique<AnalyserCommands>(*analyser_, *serial_, link_->pollCycle(),
                                                   Settings, Readings, *prompts_, *clock_);
    commands_->showTableView = [this] { selectView(WindowLayout::kTableView); };
    headerTransfer_ = std::make_unique<HeaderTransferDisplay>(*analyser_, *statusLine_, *options_);
    commands_->transferStarted = [this] { headerTransfer_->started(); };
    link_->pollCycle().setHeaderObserver(headerTransfer_.get());

    const auto headerButton = [this](const char *name) {
        return panels_.headerPanel->findChild<QPushButton *>(name);
    };
    headerEditor_ = new PrinterHeaderEditor(panels_.headerMemo, headerButton("BitBtn11"),
                                            headerButton("BitBtn12"), headerButton("BitBtn13"),
                                            *fileDialogs_, *prompts_, folder_.text(), this);
    headerEditor_->showTableView = [this] { selectView(WindowLayout::kTableView); };
    headerTransfer_->showHeaderLines = [this](const QStringList &lines) {
        headerEditor_->setLinesAsRead(lines);
    };

    indication_ = std::make_unique<IndicationSwitch>(
        IndicationRunning, FrozenReadings, Readings,
        IndicationSwitch::Timers{TimerTab, TimerDia, link_->Timer1, TimerDemo});
    indication_->enableViewRefresh = [this] { enableViewRefresh(); };
    indication_->setLinkStatus = [this](const QString &text) {
        statusLine_->linkField()->setText(text);
    };
    connect(&TimerDia, &QTimer::timeout, this, &TForm1::TimerDiaTimer);
    readingsRefresh_ = new ReadingsRefresh(TimerTab, Readings, Settings, IndicationRunning, client_,
                                           *clock_, this);
    connectCommands();
}

void TForm1::connectCommands() {
    const auto bind = [this](QAction *action, auto handler) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    for (const ViewCommand &command : ViewCommands) {
        const int view = command.view;
        connect(toolbar_->button(command.button), &QToolButton::clicked, this,
                [this, view] { selectView(view); });
        bind(menu_->action(command.menuItem), [this, view] { selectView(view); });
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
    // Commands whose behaviour arrives later stay visible and disabled.
    for (const char *name : {"ToolButton10", "ToolButton11", "ToolButton13"})
        toolbar_->button(name)->setEnabled(false);
}

// ---- Start-up --------------------------------------------------------------------------

void TForm1::FormCreate() {
    clearRecordedState();
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
    QToolTip::setPalette(hints);

    Readings.analyserKind = AnalyserKind::FourComponent;
    analyser_->SelectAddressMap(AnalyserKind::FourComponent);
    headerEditor_->loadAtStart();
    putDefaults();

    folder_.createSubfolders();
    Settings = SettingsFile::read(folder_.filePath(DataFileNames::Settings));
    applyWindowBorder();
    ViewTimerMode = ViewSwitch::timerModeFor(Settings.CurrentView);
    loadNorms();
    StationFile::read(folder_.filePath(DataFileNames::Station), StationName);
    loadCalibrationGasKits();
    applySettingsToControls();
    applyGraphScale();
    prepareReportAndCaptions();
    buildInfoPages();
    if (Settings.ConnectAtStart == 1)
        ToolButton14Click();
}

void TForm1::putDefaults() {
    Settings = AppSettings();
    StationName = defaultStationName();
    Flags = ChangeFlags();
    IndicationRunning = true;
}

void TForm1::applyWindowBorder() {
    switch (Settings.WindowMode) {
    case FramelessMode0:
    case FullScreenMode:
        setWindowFlag(Qt::FramelessWindowHint, true);
        break;
    case SizeableMode:
        setWindowFlag(Qt::FramelessWindowHint, false);
        break;
    default:
        break;
    }
}

void TForm1::applySettingsToControls() {
    TimerTab.setInterval(Settings.ViewInterval[0]);
    TimerDia.setInterval(Settings.ViewInterval[1]);
    TimerGRP.setInterval(Settings.ViewInterval[2]);
    applySettingsAppearance(Settings, panels_);
}

// ---- Link ------------------------------------------------------------------------------

void TForm1::ToolButton14Click() {
    link_->startConnection();
}

void TForm1::onLinkStarting() {
    IndicationRunning = true;
    enableViewRefresh();
    TimerDemo.stop();
}

void TForm1::enableViewRefresh() {
    if (ViewTimerMode == ViewSwitch::TextViews)
        TimerTab.start();
    else if (ViewTimerMode == ViewSwitch::DiagramView)
        TimerDia.start();
}

void TForm1::TimerDiaTimer() {
    TimerDia.stop();
    if (IndicationRunning)
        TimerDia.start();
    else
        TimerDia.setInterval(Settings.ViewInterval[1]);
}

void TForm1::onAnalyserFound(AnalyserKind kind) {
    showInfoPageFor(kind);
    // Recording starts with the link when so configured: as if "Запись" were pressed.
    if (Settings.GraphStartMode == 0 && panels_.recordButton->isVisible())
        panels_.recordButton->click();
}

// ---- Views and layout ------------------------------------------------------------------

void TForm1::selectView(int view) {
    Settings.CurrentView = view;
    ViewTimerMode = ViewSwitch::timerModeFor(view);
    ViewSwitch();
    if (view == WindowLayout::kInformationView)
        panels_.infoMemo->setFocus();
    else if (view == WindowLayout::kGraphView)
        (panels_.recordButton->isVisible() ? panels_.recordButton : panels_.stopButton)->setFocus();
}

void TForm1::ViewSwitch() {
    const int view = Settings.CurrentView;
    toolbar_->showViewPressed(view);
    if (!ViewSwitch::isKnownView(view)) {
        Layout();
        return;
    }
    const QStringList shown = WindowLayout::viewControls(view, Settings.ReportKind);
    for (const QString &name : WindowLayout::allViewControls() + QStringList{"Panel16", "Panel1"}) {
        QWidget *control = client_->findChild<QWidget *>(name);
        if (control &&
            (!shown.contains(name) || name == "Panel16" || name == "Panel1" || name == "Panel4"))
            control->hide();
    }
    Layout();
    for (const QString &name : shown)
        if (QWidget *control = client_->findChild<QWidget *>(name))
            control->show();

    const ViewSwitch::TimerAction action =
        ViewSwitch::timerAction(ViewTimerMode, IndicationRunning);
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
    input.currentView = Settings.CurrentView;
    const WindowLayout::Layout layout = WindowLayout::compute(input);
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
    const int mode = std::clamp(ViewTimerMode, 0, 2);
    options_->openAt(PageOfTimerMode[mode], true);
}

// ---- Window ----------------------------------------------------------------------------

void TForm1::applyWindowAtStart() {
    const QRect saved(Settings.WindowLeft, Settings.WindowTop, Settings.WindowWidth,
                      Settings.WindowHeight);
    const QSize workArea = screen() ? screen()->availableGeometry().size() : QSize(1024, 768);
    const WindowPlacement::Decision decision =
        WindowPlacement::atStart(Settings.WindowMode, Settings.WindowRestored, saved, workArea);
    if (decision.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        resize(decision.geometry.size());
        move(decision.geometry.topLeft());
    }
}

void TForm1::showEvent(QShowEvent *event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        applyWindowAtStart();
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
    switch (Shutdown::askToClose(Flags, *prompts_)) {
    case Shutdown::CloseOutcome::SaveGraph:
        selectView(WindowLayout::kGraphView);
        panels_.sidePanel->findChild<QPushButton *>("BitBtn1")->click();
        event->ignore();
        return;
    case Shutdown::CloseOutcome::SaveReport:
        selectView(WindowLayout::kReportView);
        panels_.sidePanel->findChild<QPushButton *>("BitBtn1")->click();
        event->ignore();
        return;
    case Shutdown::CloseOutcome::Stay:
        event->ignore();
        return;
    case Shutdown::CloseOutcome::Close:
        break;
    }
    closing_ = true;
    Shutdown::WindowState window;
    window.maximised = isMaximized();
    window.frame = frameGeometry();
    Shutdown::exitSave(Settings, Flags, window, folder_, StationName, {}, *prompts_);
    link_->stop();
    event->accept();
}
