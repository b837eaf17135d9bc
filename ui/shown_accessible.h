#pragma once

#include <QAccessibleWidget>

#include "on_screen.h"

namespace mirt2 {

// A control's interface for screen readers that reports the control as off screen, and as
// out of Tab's reach, wherever nobody sees it: hidden, or outside the client area though not
// hidden. AT-SPI then drops "showing", "visible" and "focusable"; UI Automation reads
// IsOffscreen.
class ShownAccessible : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (!OnScreen(*widget())) {
      state.offscreen = true;
      state.focusable = false;
    }
    return state;
  }
};

}  // namespace mirt2
