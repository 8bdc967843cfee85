// SPDX-License-Identifier: MIT
// What screen readers hear of the forms.
#pragma once

class QWidget;

// Names every field of root (line edits, lists, spin boxes, combo boxes) that has no name yet
// by the label that stands before it on the same line, and makes the field that label's buddy,
// so that a screen reader says "Theta" rather than nothing and the label's mnemonic reaches
// the field. A label's trailing "=" or ":" is left out of the name. Run again after a form
// changes its labels, the names follow them.
void NameFieldsByTheirLabels(QWidget* root);
