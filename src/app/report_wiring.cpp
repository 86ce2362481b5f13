#include "report_wiring.h"

#include "main_menu.h"
#include "report_document.h"
#include "run_state.h"
#include "tform2.h"
#include "tprt.h"
#include "view_ids.h"
#include "view_panels.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

ReportWiring::ReportWiring(RunState &state, const Services &services, const ViewPanels &panels,
                           const MainMenu &menu, PollCycle &cycle, const TVelantar &analyser,
                           QWidget *window, WindowHooks hooks)
    : QObject(window), state_(state),
      document_(new ReportDocument(state, services, panels.reportMemo, this)),
      vehicleDialog_(new TForm2(state, window)), gasEditor_(new TPRT(cycle, analyser, window)) {
    document_->editVehicleData = [this] { vehicleDialog_->execute(); };
    document_->editCalibrationGas = [this] { editCalibrationGas(); };
    document_->openGraphOptions = std::move(hooks.openGraphOptions);
    connectButtons(panels);
    connectMenu(menu, hooks.selectView);
    buildPopupMenu(panels);
}

void ReportWiring::connectButtons(const ViewPanels &panels) {
    const ViewPanels::SideButtons &buttons = panels.sideButtons;
    connect(buttons.arrange, &QPushButton::clicked, document_, &ReportDocument::arrange);
    // "Nмин." and "Nпов." on Panel16, "ПГС 1".."ПГС 3" on Panel1, each to its slot.
    for (const QList<QPushButton *> &row : {buttons.speedRecord, buttons.gasRecord})
        for (int slot = 0; slot < row.size(); ++slot)
            connect(row[slot], &QPushButton::clicked, document_,
                    [this, slot] { document_->record(slot); });
}

void ReportWiring::connectMenu(const MainMenu &menu, const std::function<void(int)> &selectView) {
    const auto bind = [&](QAction *action, std::function<void()> handler) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, std::move(handler));
    };
    // Open, save and print show the report first, so the user sees what is acted on.
    const auto inReportView = [this, selectView](void (ReportDocument::*command)()) {
        return [this, selectView, command] {
            if (selectView)
                selectView(ViewId::Report);
            (document_->*command)();
        };
    };
    const MainMenu::Items &items = menu.items();
    bind(items.openReport, inReportView(&ReportDocument::open));
    bind(items.saveReport, inReportView(&ReportDocument::save));
    bind(items.printReport, inReportView(&ReportDocument::print));
    bind(items.arrange, [this] { document_->arrange(); });
    bind(items.recordMinimum, [this] { document_->record(0); });
    bind(items.recordElevated, [this] { document_->record(1); });
}

void ReportWiring::buildPopupMenu(const ViewPanels &panels) {
    auto *popup = new QMenu(panels.sidePanel);
    popup->setObjectName(QStringLiteral("PopupMenu3"));
    connect(popup->addAction(QStringLiteral("EDIT")), &QAction::triggered, document_,
            &ReportDocument::allowHandEditing);
    connect(popup->addAction(QStringLiteral("SWITCH")), &QAction::triggered, this,
            [this] { state_.Store.set(&AppSettings::ReportFormUnlocked, 1); });
    const ViewPanels::SideButtons &buttons = panels.sideButtons;
    const QList<QWidget *> owners = {buttons.speedRecordPanel, buttons.speedRecordCaption,
                                     buttons.gasRecordPanel,   buttons.gasRecord[0],
                                     buttons.gasRecord[1],     buttons.gasRecord[2]};
    for (QWidget *owner : owners) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, popup,
                [popup, owner](const QPoint &at) { popup->popup(owner->mapToGlobal(at)); });
    }
}

void ReportWiring::loadKits(const QString &path) {
    kits_ = CalibrationGasFile::load(path);
}

void ReportWiring::saveKits(const QString &path) const {
    CalibrationGasFile::save(path, kits_);
}

void ReportWiring::startUp() {
    document_->startUp(kits_[0]);
}

void ReportWiring::afterOptions() {
    state_.Vehicle.DetailLabel = DetailLabelFor(state_.Settings.VehicleFieldIndex);
    document_->rebuild();
}

void ReportWiring::editCalibrationGas() {
    gasEditor_->execute(kits_, state_.Flags);
    // Whichever way the editor closed, the report is checked against the working kit.
    document_->applyWorkingKit(kits_[0]);
}
