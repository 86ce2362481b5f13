#include "test_report.h"

#include "norm_set.h"
#include "number_text.h"

#include <QByteArray>

namespace {

const QString kBlankCell(TestReport::kCellWidth, u' ');

// CO, CH and CO2, the first three channels, have references: gas g of a kit is channel g.
constexpr int kGasParameters = GasCylinder::kGasCount;

bool validSlot(int slot) {
    return slot >= 0 && slot < TestReport::kSlotCount;
}

QString deviationText(int measured, int reference, const QLocale &locale) {
    if (reference == 0)
        return QStringLiteral("ERROR");
    const qint32 scaled = (measured - reference) * 100;
    // Six significant digits first, then two decimals: 10080.95 % reads 10081,00, whose
    // cut is "10081,".
    const double deviation = QByteArray::number(double(scaled) / reference, 'g', 6).toDouble();
    const QString text = NumberText::fixed(deviation, 2, locale);
    // Cutting a longer whole part would show a number ten or a hundred times too small.
    const qsizetype point = text.indexOf(locale.decimalPoint());
    if ((point < 0 ? text.size() : point) > TestReport::kCellWidth)
        return QStringLiteral("ERROR");
    return text;
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
    const bool lambdaValid = source.lambda > 0 && source.lambda < displayMaximum(Channel::Lambda);
    if (!lambdaValid)
        recordedReadings_.lambda = 0;
    slotReadings_[slot] = recordedReadings_;

    for (Channel channel : kAllChannels)
        setCell(index(channel), slot, ReadingColumn,
                channel == Channel::Lambda && !lambdaValid
                    ? QStringLiteral("----")
                    : readingText(channel, recordedReadings_.value(channel), locale));
    ComputeDeviations(slot, locale);
    return true;
}

void TestReport::ComputeDeviations(int slot, const QLocale &locale) {
    if (!validSlot(slot) || !slotReadings_[slot])
        return;
    for (int parameter = 0; parameter < kGasParameters; ++parameter)
        setCell(parameter, slot, DeviationColumn,
                deviationText(slotReadings_[slot]->value(channelAt(parameter)),
                              references_.value(slot, parameter), locale));
}

void TestReport::FillReferences(const CalibrationGasKit &workingKit, const QLocale &locale) {
    references_ = workingKit;
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int parameter = 0; parameter < kGasParameters; ++parameter)
            setCell(parameter, slot, ReferenceColumn,
                    readingText(channelAt(parameter), workingKit.value(slot, parameter), locale));
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
