#pragma once
// The control of a catalogue field, made through the field kinds: what a
// card window and an entry panel show for a field.
#include "archive/CardCatalogue.h"

class QWidget;

namespace FieldControls {

// Named "txt", "chk" or "lbl" + the field's name, unless the row names it;
// a fixed width where the row gives one. A Choice field has no control of
// its kind: its window makes one.
QWidget* make(const FieldRow& row, QWidget* parent);

}  // namespace FieldControls
