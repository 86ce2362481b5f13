#include "norm_cell_editor.h"

#include "app_settings.h"

#include <Qt>

namespace {

// The split editors of CO and lambda: the scale of the whole part, its range and the digits
// of the fraction.
struct SplitScale {
    int scale;
    int integerMax;
    int fractionDigits;
};

bool isSplit(int column) {
    const Channel channel = ChannelOfColumn(column);
    return channel == Channel::Co || channel == Channel::Lambda;
}

SplitScale splitScale(int column) {
    if (ChannelOfColumn(column) == Channel::Co)
        return {100, 9, 2};
    return {1000, 1, 3};
}

int singleMaximum(int column) {
    return displayMaximum(ChannelOfColumn(column));
}

bool isZeroKey(int key) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Space:
    case Qt::Key_Delete:
    case Qt::Key_Plus:  // numeric pad, and shift with the =/+ key
    case Qt::Key_Minus: // numeric pad and main keyboard
    case Qt::Key_Equal:
    case Qt::Key_Underscore: // shift with the -/_ key
        return true;
    default:
        return false;
    }
}

} // namespace

void NormCellEditor::markColumn(int column) {
    if (column >= 0 && column < NormSet::kFieldCount)
        markedColumn_ = column;
}

BeginEditResult NormCellEditor::BeginCellEdit(const NormTable &table, int vehicleCategory,
                                              int catalystKind) {
    BeginEditResult result;
    if (!NormTable::isHandSet(vehicleCategory)) {
        result.refusal = QString::fromUtf16(FixedCategoryEditMessage);
        return result;
    }
    editing_ = true;
    category_ = vehicleCategory;
    variant_ = NormVariantIndex(catalystKind);
    column_ = markedColumn_;
    result.started = true;

    const int v = table.row(category_, variant_).field(column_);
    NormEditorSetup &setup = result.setup;
    if (isSplit(column_)) {
        const SplitScale split = splitScale(column_);
        setup.integer = {true, 0, split.integerMax, 1, v / split.scale};
        setup.fraction = {true, 0, split.scale - 1, split.fractionDigits,
                          v - (v / split.scale) * split.scale};
        setup.commaVisible = true;
        setup.focus = NormEditor::Integer;
    } else {
        setup.single = {true, 0, singleMaximum(column_), 4, v};
        setup.focus = NormEditor::Single;
    }
    return result;
}

EditorAction NormCellEditor::keyReleased(NormEditor editor, int qtKey) const {
    if (!editing_)
        return EditorAction::None;
    if (isZeroKey(qtKey))
        return EditorAction::SetZero;
    if (qtKey == Qt::Key_Escape)
        return EditorAction::Cancel;
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        return editor == NormEditor::Integer ? EditorAction::FocusFraction : EditorAction::Commit;
    return EditorAction::None;
}

EditorAction NormCellEditor::focusLeft(NormEditor editor) const {
    if (!editing_)
        return EditorAction::None;
    return editor == NormEditor::Integer ? EditorAction::FocusFraction : EditorAction::Commit;
}

bool NormCellEditor::CommitCellEdit(NormTable &table, ChangeFlags &flags,
                                    const NormEditorValues &values) {
    if (!editing_)
        return false;
    editing_ = false;
    int value;
    if (isSplit(column_)) {
        const SplitScale split = splitScale(column_);
        value = qBound(0, values.integer, split.integerMax) * split.scale +
                qBound(0, values.fraction, split.scale - 1);
    } else {
        value = qBound(0, values.single, singleMaximum(column_));
    }
    NormSet limits = table.row(category_, variant_);
    limits.setField(column_, qint16(value));
    table.setRow(category_, variant_, limits);
    flags.NormsModified = true;
    return true;
}
