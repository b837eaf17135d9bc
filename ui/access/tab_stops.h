#pragma once

class QWidget;

namespace mirt2 {

// Moves the focus to the next (or previous) tab stop of `window` after the control that has
// the focus, round the focus chain. False where the window has no tab stop.
//
// Tab and Shift+Tab stop at a control that takes the focus by Tab, is enabled and shows on
// screen. Of a group of option buttons only the selected one is a tab stop; the arrow keys
// move among them.
bool FocusNextTabStop(QWidget& window, bool next);

}  // namespace mirt2
