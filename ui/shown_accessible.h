#pragma once

#include <QAccessibleWidget>

#include "on_screen.h"

namespace mirt2 {

// A control's interface for screen readers that reports the control as off screen, and as
// out of the focus's reach, wherever nobody sees it: hidden, or outside the client area though
// not hidden. AT-SPI then drops "showing", "visible", "focusable" and the SetFocus action;
// UI Automation reads IsOffscreen.
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

  [[nodiscard]] QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (!OnScreen(*widget())) names.removeAll(setFocusAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == setFocusAction() && !OnScreen(*widget())) return;
    QAccessibleWidget::doAction(action);
  }
};

}  // namespace mirt2
