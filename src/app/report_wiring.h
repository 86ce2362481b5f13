#pragma once

#include "calibration_gas_kits.h"

#include <QObject>

#include <functional>

class MainMenu;
class PollCycle;
class QWidget;
class ReportDocument;
class TForm2;
class TPRT;
class TVelantar;
struct RunState;
struct Services;
struct ViewPanels;

// The report side of the main window: the test document in Memo10, the vehicle data dialog,
// the calibration gas editor and the four calibration gas kits, connected to the side panel's
// report buttons ("Оформить", "Nмин.", "Nпов.", "ПГС 1".."ПГС 3"), the pop-up menu PopupMenu3
// ("EDIT", "SWITCH") and the menu items "Открыть отчет", "Оформить", "Сохранить отчет",
// "Печать отчета", "Запись   Nмин." and "Запись  Nпов.".
class ReportWiring : public QObject {
    Q_OBJECT

public:
    // What the report asks of the main window.
    struct WindowHooks {
        std::function<void(int view)> selectView; // the menu's open, save and print
        std::function<void()> openGraphOptions; // "Настроить" outside the extended protocol
    };

    ReportWiring(RunState &state, const Services &services, const ViewPanels &panels,
                 const MainMenu &menu, PollCycle &cycle, const TVelantar &analyser, QWidget *window,
                 WindowHooks hooks);

    ReportDocument &document() const { return *document_; }
    TForm2 &vehicleDialog() const { return *vehicleDialog_; }
    TPRT &gasEditor() const { return *gasEditor_; }
    const CalibrationGasKits &kits() const { return kits_; }

    // Start-up: the kits file ("Tolmera10.pgs"), defaults where it holds nothing.
    void loadKits(const QString &path);
    // Exit, under the calibration gas changed flag; a failed write is not reported.
    void saveKits(const QString &path) const;
    // Start-up: the detail caption, the references of the working kit, the first document.
    void startUp();
    // After every modal opening of the options dialog: the detail caption and the kind may
    // have changed.
    void afterOptions();

private:
    void connectButtons(const ViewPanels &panels);
    void connectMenu(const MainMenu &menu, const std::function<void(int)> &selectView);
    void buildPopupMenu(const ViewPanels &panels);
    // "Настроить" in the extended protocol: the editor, then the report against kit 0.
    void editCalibrationGas();

    RunState &state_;
    CalibrationGasKits kits_ = DefaultCalibrationGasKits();
    ReportDocument *document_;
    TForm2 *vehicleDialog_;
    TPRT *gasEditor_;
};
