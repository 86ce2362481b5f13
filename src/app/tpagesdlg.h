#pragma once

#include "analyser_status_sink.h"

#include <QDialog>

struct AppSettings;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QTabWidget;
class RadioGroup;

// The options dialog "Опции": eight pages of settings. Its "Порт" page also shows the
// link's state: the analyser type and port, or that no analyser was found, and the
// search progress.
class TPagesDlg : public QDialog, public AnalyserStatusSink {
    Q_OBJECT

public:
    enum Page { General, Colour, Graph, Control, Norms, Port, Other, Readings, PageCount };

    TPagesDlg(AppSettings &settings, QWidget *parent = nullptr);

    // Shows the dialog on the given page: modal (returns when it closes) or not.
    void openAt(Page page, bool modal);

    void setPortStatus(const QString &text);
    // The analyser type the link recognised while polling, in the port page's status field.
    void showAnalyserStatus(const QString &text) override { setPortStatus(text); }
    void setSearchProgress(int percent);

    QTabWidget *pages() const { return pages_; }

signals:
    // The "Связь" button of the port page.
    void connectRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPortPage();
    void loadFromSettings();
    void applyOk();
    void followPortMode();

    AppSettings &settings_;
    QTabWidget *pages_;
    RadioGroup *scanRange_ = nullptr; // RadioGroup4
    RadioGroup *fixedPort_ = nullptr; // RadioGroup7
    RadioGroup *portMode_ = nullptr;  // RadioGroup8
    QCheckBox *connectAtStart_ = nullptr;
    QLineEdit *portStatus_ = nullptr;  // Edit17
    QProgressBar *progress_ = nullptr; // ProgressBar1
};
