#include "main_window_link_view.h"

#include "status_line.h"
#include "tpagesdlg.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QToolButton>

namespace {

QColor toColor(const Rgb &rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

} // namespace

MainWindowLinkView::MainWindowLinkView(StatusLine &statusLine, TPagesDlg &options,
                                       QToolButton *startStop)
    : statusLine_(statusLine), options_(options), startStop_(startStop) {}

void MainWindowLinkView::linkStarting() {
    if (onLinkStarting)
        onLinkStarting();
}

void MainWindowLinkView::setIndicationToggleEnabled(bool enabled) {
    startStop_->setEnabled(enabled);
}

void MainWindowLinkView::setSearchProgress(int percent) {
    statusLine_.progressBar()->setValue(percent);
    options_.setSearchProgress(percent);
}

void MainWindowLinkView::setSearchProgressVisible(bool visible) {
    statusLine_.progressBar()->setVisible(visible);
}

void MainWindowLinkView::setPortStatus(const QString &text) {
    options_.setPortStatus(text);
}

void MainWindowLinkView::showPortPage() {
    options_.openAt(TPagesDlg::Port, false);
}

void MainWindowLinkView::setPumpIndicator(const Indicator &indicator) {
    statusLine_.setText(statusLine_.pumpField(), indicator.text, toColor(indicator.color));
}

void MainWindowLinkView::setFuelIndicator(const Indicator &indicator) {
    statusLine_.setText(statusLine_.fuelField(), indicator.text, toColor(indicator.color));
}

void MainWindowLinkView::showSettingsMenu(int menu) {
    if (onSettingsMenu)
        onSettingsMenu(menu);
}

void MainWindowLinkView::analyserFound(AnalyserKind kind) {
    if (onAnalyserFound)
        onAnalyserFound(kind);
}

void MainWindowLinkView::analyserLost() {
    if (onAnalyserLost)
        onAnalyserLost();
}

void MainWindowLinkView::linkLost(const QString &notice) {
    statusLine_.linkField()->setToolTip(notice);
    if (!lossNotice_) {
        lossNotice_ = new QMessageBox(QMessageBox::Warning, startStop_->window()->windowTitle(),
                                      QString(), QMessageBox::Ok, startStop_->window());
        lossNotice_->setObjectName(QStringLiteral("LinkLossNotice"));
        lossNotice_->setWindowModality(Qt::NonModal);
        // The operator's typing stays where it was.
        lossNotice_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    lossNotice_->setText(notice);
    lossNotice_->show();
    if (onLinkLost)
        onLinkLost();
}

void MainWindowLinkView::linkRestored() {
    statusLine_.linkField()->setToolTip(QString());
    if (lossNotice_)
        lossNotice_->hide();
}
