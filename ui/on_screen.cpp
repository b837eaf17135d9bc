#include "on_screen.h"

#include <QWidget>

namespace mirt2 {

bool OnScreen(const QWidget& control) {
  if (!control.isVisible()) return false;
  QRect shown = control.rect();
  for (const QWidget* w = &control; !w->isWindow(); w = w->parentWidget()) {
    shown = shown.translated(w->pos()) & w->parentWidget()->rect();
    if (shown.isEmpty()) return false;
  }
  return true;
}

}  // namespace mirt2
