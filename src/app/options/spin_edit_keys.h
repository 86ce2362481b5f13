#pragma once

class QSpinBox;

// The keys of the options dialog's spin edits.
namespace SpinEditKeys {

// The keys whose release sets a spin edit to its minimum: Backspace, Space, Delete, plus and
// minus of the number pad, and the main keyboard's "=/+" and "-" keys (either shift state).
bool resetsToMinimum(int qtKey);

// Watches a spin edit of the dialog: the release of such a key sets it to its minimum; Enter
// takes the typed value and finishes the edit (editingFinished) without closing the dialog.
void watch(QSpinBox *spin);

} // namespace SpinEditKeys
