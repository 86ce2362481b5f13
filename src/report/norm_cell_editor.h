#pragma once

#include "norm_table.h"

#include <QString>

struct ChangeFlags;

// The three spin editors over the norms grid: SpinEdit1 for CH and engine speeds, SpinEdit2
// (whole part) with the "," label Label5 and SpinEdit3 (fraction) for CO and lambda.
enum class NormEditor { Single, Integer, Fraction };

// How the widget sets up one spin editor when an edit starts.
struct SpinEditorSetup {
    bool visible = false;
    int minimum = 0;
    int maximum = 0;
    int maxLength = 0; // digits the field takes
    int value = 0;
    friend bool operator==(const SpinEditorSetup &, const SpinEditorSetup &) = default;
};

struct NormEditorSetup {
    SpinEditorSetup single;   // SpinEdit1
    SpinEditorSetup integer;  // SpinEdit2
    SpinEditorSetup fraction; // SpinEdit3
    bool commaVisible = false;
    NormEditor focus = NormEditor::Single;
};

struct BeginEditResult {
    bool started = false; // true: hide "Изменить", show and focus the editors of `setup`
    QString refusal;      // set when not started: the message box text
    NormEditorSetup setup;
};

// What the widget does after a key release or a focus loss in an editor.
enum class EditorAction {
    None,
    SetZero,       // set that editor's value to 0
    FocusFraction, // move the focus to the fraction field
    Commit,        // call CommitCellEdit with the editors' values
    Cancel,        // call CancelCellEdit
};

// The values of the three editors when the edit is stored.
struct NormEditorValues {
    int single = 0;
    int integer = 0;
    int fraction = 0;
};

inline constexpr char16_t FixedCategoryEditMessage[] =
    u"Возможно изменение \"Настройки1\" и \"Настройки2\" в сочетании с любой системой "
    u"нейтрализации.";

// Hand editing of one limit of a hand-set category: idle -> editing (BeginCellEdit) -> idle
// (CommitCellEdit or CancelCellEdit). Key and focus events outside an edit do nothing, so the
// focus loss that follows hiding the editors stores nothing after Esc.
class NormCellEditor {
public:
    // A click in the value row of the grid; a column outside 0..8 is ignored.
    void markColumn(int column);
    int markedColumn() const { return markedColumn_; }
    bool isEditing() const { return editing_; }

    // "Изменить": refuses for the fixed categories 0 and 1 (and any index that is not 2 or 3),
    // else starts editing the marked column of [vehicleCategory][catalystKind].
    BeginEditResult BeginCellEdit(const NormTable &table, int vehicleCategory, int catalystKind);

    // A key released in an editor (Qt key code). Backspace, Space, Delete, plus, minus and the
    // =/+ and -/_ keys set the editor to 0; Enter stores from the single and fraction fields
    // and moves on from the whole-part field; Esc cancels.
    EditorAction keyReleased(NormEditor editor, int qtKey) const;

    // An editor lost the focus: the single and fraction fields store, the whole-part field
    // moves on to the fraction field.
    EditorAction focusLeft(NormEditor editor) const;

    // Stores whole*100 + fraction for CO, whole*1000 + fraction for lambda, the single value
    // otherwise (each clamped to its editor's range) into the row the edit started on, sets
    // NormsModified and ends the edit. Returns false when no edit was running. The caller then
    // refreshes the grid and hides the editors.
    bool CommitCellEdit(NormTable &table, ChangeFlags &flags, const NormEditorValues &values);

    // Ends the edit; nothing is stored.
    void CancelCellEdit() { editing_ = false; }

private:
    int markedColumn_ = 0;
    bool editing_ = false;
    int category_ = 0;
    int variant_ = 0;
    int column_ = 0;
};
