#pragma once

class QWidget;

// The keys of the options dialog's spin edits.
namespace SpinEditKeys {

// The keys whose release sets a spin edit to its minimum: Backspace, Space, Delete, plus and
// minus of the number pad, and the main keyboard's "=/+" and "-" keys (either shift state).
bool resetsToMinimum(int qtKey);

// Watches every spin edit under root: the release of such a key sets that spin edit to its
// minimum; Enter takes the typed value and finishes the edit (editingFinished) without
// closing the dialog.
void watch(QWidget *root);

} // namespace SpinEditKeys
