#include "tab_stops.h"

#include <QRadioButton>

#include "accessibility.h"

namespace mirt2 {

namespace {

bool IsTabStop(const QWidget& control) {
  if (control.isWindow() || !control.isEnabled() || control.focusProxy() != nullptr ||
      control.focusPolicy() == Qt::NoFocus || !OnScreen(control)) {
    return false;
  }
  // Qt moves the option buttons' Tab focus to whichever of them last had the focus, and
  // before that leaves it on all three.
  if (const auto* option = qobject_cast<const QRadioButton*>(&control);
      option != nullptr && option->autoExclusive()) {
    return option->isChecked();
  }
  return (control.focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

bool FocusNextTabStop(QWidget& window, bool next) {
  QWidget* const start = window.focusWidget() != nullptr ? window.focusWidget() : &window;
  for (QWidget* w = start;;) {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
    if (w == start) return false;
    if (w->window() == &window && IsTabStop(*w)) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
}

}  // namespace mirt2
