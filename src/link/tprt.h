#pragma once

#include "calibration_gas_kits.h"
#include "modal_run.h"

#include <QDialog>
#include <QTimer>

#include <functional>

class PollCycle;
class QListWidget;
class QTableWidget;
class TVelantar;
struct ChangeFlags;

// The calibration gas editor "Редактор ПГС": the four kits in the grid StringGrid3 (kit k in
// column 2 + k, gas g of cylinder s in row 1 + 3s + g), "0 <-- N" and "0 --> N" between the
// working kit and the stored kit chosen in ListBox4, "Обновл." to fetch the analyser's own
// values into the working kit, "OK" to store every cell and "Отмена" to keep the kits.
class TPRT : public QDialog {
    Q_OBJECT

public:
    static constexpr int RefreshDelayMs = 2000;

    // "Обновл." asks the poll cycle for the calibration gas values, which the analyser's
    // decode pass puts into CalibrationGasValues.
    TPRT(PollCycle &cycle, const TVelantar &analyser, QWidget *parent = nullptr);

    // How the dialog is run modally; tests replace it to press buttons instead of waiting.
    ModalRun runModal = runModally;

    // Shows the kits and runs the dialog. "OK" stores the grid into the kits and sets the
    // calibration gas changed flag (edited or not); returns whether it did.
    bool execute(CalibrationGasKits &kits, ChangeFlags &flags);

    // The editable cells, [3s + g][k].
    CalibrationGasGrid::ValueTable table() const;
    void setTable(const CalibrationGasGrid::ValueTable &table);

    // "Обновл.": starts the calibration gas cycle and Timer1.
    void refreshFromAnalyser();
    // Timer1, RefreshDelayMs after "Обновл.": stops itself and writes the analyser's values
    // into the working kit's column.
    void Timer1Timer();

    QTimer Timer1;

protected:
    void done(int result) override;

private:
    void copySelected(void (*copy)(CalibrationGasGrid::ValueTable &, int));

    PollCycle &cycle_;
    const TVelantar &analyser_;
    QTableWidget *grid_; // StringGrid3
    QListWidget *kits_;  // ListBox4
    CalibrationGasKits *editedKits_ = nullptr;
    ChangeFlags *flags_ = nullptr;
};
