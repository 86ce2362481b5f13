#include "test_report.h"

#include "norm_set.h"
#include "number_text.h"

namespace {

const QString kBlankCell(TestReport::kCellWidth, u' ');

constexpr int kGasParameters = 3; // CO, CH, CO2 have references

bool validSlot(int slot) {
    return slot >= 0 && slot < TestReport::kSlotCount;
}

// A reference or reading of CO, CH or CO2: hundredths with 2 decimals, CH as an integer.
QString gasText(int parameter, int value, const QLocale &locale) {
    return parameter == ChChannel ? QString::number(value) : NumberText::hundredths(value, locale);
}

QString deviationText(int measured, int reference, const QLocale &locale) {
    if (reference == 0)
        return QStringLiteral("ERROR");
    const qint32 scaled = (measured - reference) * 100;
    const QString text = NumberText::fixed(double(scaled) / reference, 2, locale);
    // Cutting a longer whole part would show a number ten or a hundred times too small.
    const qsizetype point = text.indexOf(locale.decimalPoint());
    if ((point < 0 ? text.size() : point) > TestReport::kCellWidth)
        return QStringLiteral("ERROR");
    return text;
}

int gasValue(const ReadingSample &sample, int parameter) {
    switch (parameter) {
    case CoChannel:
        return sample.co;
    case ChChannel:
        return sample.ch;
    default:
        return sample.co2;
    }
}

} // namespace

TestReport::TestReport() {
    for (auto &parameterCells : cells_)
        for (auto &columns : parameterCells)
            columns.fill(kBlankCell);
}

void TestReport::setCell(int parameter, int slot, int column, const QString &text) {
    cells_[parameter][slot][column] = text.left(kCellWidth);
}

bool TestReport::RecordMeasurement(int slot, const ReadingSample &source, const QLocale &locale) {
    if (!validSlot(slot))
        return false;
    recordedReadings_ = source;
    const bool lambdaValid = source.lambda > 0 && source.lambda < ChannelMaxima[LambdaChannel];
    if (!lambdaValid)
        recordedReadings_.lambda = 0;
    slotReadings_[slot] = recordedReadings_;

    const ReadingSample &r = recordedReadings_;
    setCell(CoChannel, slot, ReadingColumn, NumberText::hundredths(r.co, locale));
    setCell(ChChannel, slot, ReadingColumn, QString::number(r.ch));
    setCell(Co2Channel, slot, ReadingColumn, NumberText::hundredths(r.co2, locale));
    setCell(O2Channel, slot, ReadingColumn, NumberText::hundredths(r.o2, locale));
    setCell(LambdaChannel, slot, ReadingColumn,
            lambdaValid ? NumberText::thousandths(r.lambda, locale) : QStringLiteral("----"));
    setCell(RpmChannel, slot, ReadingColumn, QString::number(r.rpm));
    ComputeDeviations(slot, locale);
    return true;
}

void TestReport::ComputeDeviations(int slot, const QLocale &locale) {
    if (!validSlot(slot) || !slotReadings_[slot])
        return;
    for (int parameter = 0; parameter < kGasParameters; ++parameter)
        setCell(parameter, slot, DeviationColumn,
                deviationText(gasValue(*slotReadings_[slot], parameter),
                              references_.value(slot, parameter), locale));
}

void TestReport::FillReferences(const CalibrationGasKit &workingKit, const QLocale &locale) {
    references_ = workingKit;
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int parameter = 0; parameter < kGasParameters; ++parameter)
            setCell(parameter, slot, ReferenceColumn,
                    gasText(parameter, workingKit.value(slot, parameter), locale));
}

void TestReport::ClearReport() {
    for (auto &parameterCells : cells_)
        for (auto &columns : parameterCells) {
            columns[ReadingColumn] = kBlankCell;
            columns[DeviationColumn] = kBlankCell;
        }
    slotReadings_.fill(std::nullopt);
}

QString TestReport::CellText(int parameter, int slot, int column) const {
    if (parameter < 0 || parameter >= kParameterCount || !validSlot(slot) || column < 0 ||
        column >= kColumnCount)
        return kBlankCell;
    return cells_[parameter][slot][column].leftJustified(kCellWidth, u' ', true);
}
