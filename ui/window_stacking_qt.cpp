#include <QWidget>
#include <QWindow>

#include "window_stacking.h"

namespace mirt2 {

// QWidget::setWindowFlags would re-create the native window, which hides it;
// the window handle's flag changes the state of the mapped window in place
// (on X11, _NET_WM_STATE_ABOVE through the window manager). Wayland gives a
// client no say in stacking, so there this asks and nothing follows.
void NativeWindowStacking::SetTopmost(QWidget& window, bool topmost) {
  if (QWindow* handle = window.windowHandle()) {
    handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
  }
  window.raise();
  window.activateWindow();
}

}  // namespace mirt2
