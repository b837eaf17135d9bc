#pragma once

#include <span>

#include "control_set.h"
#include "control_table.h"

class QFont;
class QWidget;

namespace mirt2 {

// Creates every control of the table on `window` with its design-time
// properties, in the table's order, and sets the tab order. The window's own
// row gives the window's caption and colour. Screen readers read the window
// and its controls through the interfaces of control_accessibles.h.
ControlSet BuildControls(QWidget& window, std::span<const ControlRow> table);

// The design font: the face list with its fallbacks, at the given size and style.
QFont DesignFont(const FontStyle& row, const QFont& base);

}  // namespace mirt2
