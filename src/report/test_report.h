#pragma once

#include "calibration_gas_kit.h"
#include "current_readings.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

// The test document's kind (the ReportKind setting) and what its record slots mean.
enum ReportKind : int {
    VehicleReport = 0,    // slot 0 at minimal, slot 1 at elevated idle speed
    Protocol = 1,         // slots 0..2: calibration gases 1..3
    ExtendedProtocol = 2, // as Protocol, with references and deviations printed
};

// The columns of a parameter's cells in one slot.
enum ReportColumn : int { ReadingColumn = 0, ReferenceColumn = 1, DeviationColumn = 2 };

// What a test document reports: for the six parameters (channel order CO, CH, CO2, O2,
// lambda, engine speed) and three record slots, the recorded reading, the calibration gas
// reference and the deviation from it in percent, each a text of at most six characters.
// Only CO, CH and CO2 have references and deviations.
//
// Each slot keeps the sample it recorded, so deviations recomputed after the references change
// always belong to the readings printed beside them; a slot not recorded since start-up or
// since ClearReport has no deviations.
class TestReport {
public:
    static constexpr int kParameterCount = kChannelCount; // one per channel, index(channel)
    static constexpr int kSlotCount = 3;
    static constexpr int kColumnCount = 3;
    static constexpr int kCellWidth = 6;

    using CellGrid =
        std::array<std::array<std::array<QString, kColumnCount>, kSlotCount>, kParameterCount>;

    // Every cell six blanks; references 0 until FillReferences.
    TestReport();

    // Records `source` (the live readings, or the frozen ones while the indication is stopped)
    // into slot 0..2: the reading cells and the slot's deviations. A lambda outside 1..1999 is
    // recorded as 0 and shows "----". False, and nothing changed, for another slot. The caller
    // rebuilds the document and sets ReportUnsaved.
    bool RecordMeasurement(int slot, const ReadingSample &source,
                           const QLocale &locale = QLocale());

    // The deviation cells of CO, CH and CO2 in a recorded slot against gas slot+1: "ERROR"
    // for a reference of 0 or a deviation whose whole part does not fit the cell, else
    // (m - r) * 100 / r with 2 decimals cut to six characters (-100,00 gives "-100,0").
    void ComputeDeviations(int slot, const QLocale &locale = QLocale());

    // The reference cells of CO, CH and CO2 of all three slots from the working kit. The
    // caller recomputes the deviations when the kit changed after recordings.
    void FillReferences(const CalibrationGasKit &workingKit, const QLocale &locale = QLocale());

    // Blanks the reading and deviation cells; references and RecordedReadings stay.
    void ClearReport();

    // A cell padded with blanks to exactly six characters; six blanks outside the grid.
    QString CellText(int parameter, int slot, int column) const;

    const CellGrid &Cells() const { return cells_; }
    // The values copied at the last record command.
    const ReadingSample &RecordedReadings() const { return recordedReadings_; }
    // The sample a slot recorded since start-up or ClearReport; none for another slot.
    std::optional<ReadingSample> SlotReadings(int slot) const {
        return slot >= 0 && slot < kSlotCount ? slotReadings_[slot] : std::nullopt;
    }

private:
    void setCell(int parameter, int slot, int column, const QString &text);

    CellGrid cells_;
    ReadingSample recordedReadings_;
    std::array<std::optional<ReadingSample>, kSlotCount> slotReadings_;
    CalibrationGasKit references_;
};
