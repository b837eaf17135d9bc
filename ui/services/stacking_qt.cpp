#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "failure_notice.h"
#include "window_services.h"

namespace mirt2 {

// QWidget::setWindowFlags would re-create the native window, which hides it;
// the window handle's flag changes the state of the mapped window in place
// (on X11, _NET_WM_STATE_ABOVE through the window manager). Wayland gives a
// client no say in stacking: there the user is told, and nothing changes.
void NativeWindowStacking::SetTopmost(QWidget& window, bool topmost) {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    throw ToldFailure("Wayland gives a program no say in stacking",
                      "このデスクトップでは、ウィンドウを常に前面に置くことはできません。");
  }
  if (QWindow* handle = window.windowHandle()) {
    handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
  } else {
    // Not yet on the screen: the window is made with the flag, and mapped above the others.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
  }
  window.raise();
  window.activateWindow();
}

}  // namespace mirt2
