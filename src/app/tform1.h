#pragma once

#include "app_settings.h"
#include "current_readings.h"
#include "main_menu.h"
#include "main_toolbar.h"
#include "view_panels.h"
#include "working_folder.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class AnalyserCommands;
class Clock;
class FileDialogs;
class HeaderTransferDisplay;
class IndicationSwitch;
class LinkController;
class PrinterHeaderEditor;
class ReadingsRefresh;
class MainWindowLinkView;
class StatusLine;
class TPagesDlg;
class TSerial;
class TVelantar;
class UserPrompts;

// The main window: the composition root of the program. It owns the state of the run
// (settings, change flags, station line, readings, the serial channel and the analyser)
// and wires the subsystems together; their behaviour lives in their own classes.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    struct Environment {
        QString workingDirectory;           // the folder that is current at start
        UserPrompts *prompts = nullptr;     // null: modal message boxes
        Clock *clock = nullptr;             // null: the computer's clock
        FileDialogs *fileDialogs = nullptr; // null: the desktop's file dialogs
    };

    explicit TForm1(const Environment &environment, QWidget *parent = nullptr);
    ~TForm1() override;

    // State of the run.
    AppSettings Settings;
    ChangeFlags Flags;
    QString StationName;
    CurrentReadings Readings;
    ReadingSample FrozenReadings;
    bool IndicationRunning = true;
    int ViewTimerMode = 0;

    // View refresh timers and the demonstration's timer.
    QTimer TimerTab;
    QTimer TimerDia;
    QTimer TimerGRP;
    QTimer TimerDemo;

    // "Связь".
    void ToolButton14Click();
    // The view buttons and their menu items.
    void selectView(int view);
    // Shows the current view's controls, lays them out and sets the refresh timers.
    void ViewSwitch();
    // Places the current view's controls and the status line for the client size.
    void Layout();
    // Opens the options dialog on the page that suits the current view.
    void openOptions();

    LinkController &link() const { return *link_; }
    AnalyserCommands &commands() const { return *commands_; }
    PrinterHeaderEditor &headerEditor() const { return *headerEditor_; }
    TPagesDlg &options() const { return *options_; }
    const ViewPanels &panels() const { return panels_; }
    const WorkingFolder &workingFolder() const { return folder_; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildWindow();
    void connectCommands();
    void putDefaults();
    void applyWindowBorder();
    void applySettingsToControls();
    void applyWindowAtStart();
    void onLinkStarting();
    void onAnalyserFound(AnalyserKind kind);
    void enableViewRefresh();
    // The diagram refresh tick: runs once more after "Пуск/стоп", then stays off.
    void TimerDiaTimer();

    // Start-up steps whose content arrives with the graph, the norms, the report, the
    // printer header, the calibration gas kits and the info pages.
    void clearRecordedState() {}
    void loadNorms() {}
    void loadCalibrationGasKits() {}
    void applyGraphScale() {}
    void prepareReportAndCaptions() {}
    void buildInfoPages() {}
    // The info page shown after detection: the first for a four-component analyser,
    // otherwise the last.
    void showInfoPageFor(AnalyserKind) {}

    QWidget *client_;
    std::unique_ptr<UserPrompts> ownPrompts_;
    UserPrompts *prompts_;
    std::unique_ptr<Clock> ownClock_;
    Clock *clock_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    FileDialogs *fileDialogs_;
    WorkingFolder folder_;
    std::unique_ptr<TSerial> serial_;
    std::unique_ptr<TVelantar> analyser_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<MainToolbar> toolbar_;
    StatusLine *statusLine_ = nullptr;
    ViewPanels panels_;
    TPagesDlg *options_ = nullptr;
    std::unique_ptr<MainWindowLinkView> linkView_;
    std::unique_ptr<LinkController> link_;
    std::unique_ptr<AnalyserCommands> commands_;
    std::unique_ptr<IndicationSwitch> indication_;
    std::unique_ptr<HeaderTransferDisplay> headerTransfer_;
    PrinterHeaderEditor *headerEditor_ = nullptr;
    ReadingsRefresh *readingsRefresh_ = nullptr;
    bool shownOnce_ = false;
    bool closing_ = false;
};
