#pragma once

#include "analyser_status_sink.h"
#include "archive_server_settings.h"
#include "modal_run.h"

#include <QDialog>

#include <array>
#include <functional>

class GeneralPage;
class OptionsPage;
class PortPage;
class QTabWidget;
class UserPrompts;
struct RunState;

// The options dialog "Опции": eight pages of settings, each its own class that loads its
// controls from the settings and applies them back. Some controls act the moment they are
// used; the others are applied by "OK" in a fixed order of steps; "Отмена" only closes the
// dialog, and what was applied at once stays applied. The dialog changes the settings and
// the change flags only: what the rest of the window must do follows through its signals.
// Its "Порт" page also shows the link's state: the analyser type and port, or that no
// analyser was found, and the search progress.
class TPagesDlg : public QDialog, public AnalyserStatusSink {
    Q_OBJECT

public:
    enum Page { General, Colour, Graph, Control, Norms, Port, Other, Readings, PageCount };

    TPagesDlg(RunState &state, UserPrompts &prompts, QWidget *parent = nullptr);

    // Shows the dialog on the given page: modal (returns when it closes) or not. A modal
    // opening of the dialog shown non-modally makes it modal; while it runs modally, any
    // opening only turns to the page.
    void openAt(Page page, bool modal);
    // Runs a modal opening; tests replace it so that nothing waits on a real modal loop.
    ModalRun runModal = runModally;
    // The archive server settings in force, shown on the port page at each opening.
    std::function<ArchiveServerSettings()> archiveServerSettings;

    void setPortStatus(const QString &text);
    // The analyser type the link recognised while polling, in the port page's status field.
    void showAnalyserStatus(const QString &text) override { setPortStatus(text); }
    void setSearchProgress(int percent);

    QTabWidget *pages() const { return pages_; }
    OptionsPage *page(Page page) const { return pageWidgets_[page]; }

signals:
    // The "Связь" button of the port page.
    void connectRequested();
    // A colour changed, or "OK": the window's controls take the colours of the settings.
    void appearanceChanged();
    // "OK": TimerTab, TimerDia and TimerGRP take ViewInterval[0..2].
    void intervalsChanged();
    // A setting of the graph changed (W, P, K, one-point scrolling, line width, legend, full
    // scales, channel colours): the graph view applies them.
    void graphSettingsChanged();
    // The mode indication was switched off (OldAnalyser 1): the fuel field is emptied, the
    // mode titles return to their plain texts and the pump field reads " Насос" in black.
    void modeIndicationSwitchedOff();
    // The mode indication was switched on (OldAnalyser 0): the poll cycle returns to its
    // normal cycle.
    void normalPollingRequested();
    // "OK": ReportKind may have changed; the report view's panels follow it.
    void reportKindChanged();
    // "OK" after a click on the window group: the window takes this WindowMode.
    void windowModeChanged(int mode);
    // "Настройки по умолчанию." was confirmed: the reset flag is set and the dialog closed;
    // the program is to end, writing the defaults.
    void resetRequested();
    // "OK" with other archive server settings than those shown at the opening.
    void archiveServerChanged(const ArchiveServerSettings &settings);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKBtnClick();
    void defaultsConfirmed();

    RunState &state_;
    QTabWidget *pages_;
    std::array<OptionsPage *, PageCount> pageWidgets_{};
    GeneralPage *general_;
    PortPage *port_;
    bool modalRunning_ = false;
    ArchiveServerSettings archiveServerShown_;
};
