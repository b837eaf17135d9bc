#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "failure_notice.h"
#include "window_manager.h"
#include "window_services.h"

namespace mirt2 {

namespace {

constexpr std::string_view kNoStaysOnTop =
    "このデスクトップでは、ウィンドウを常に前面に置くことはできません。";

// Qt sets _NET_WM_STATE_ABOVE whether or not a window manager will act on it: it is asked first,
// so that 前へ never claims what did not happen.
bool KeepsAbove(QWidget& window) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return true;
#if QT_CONFIG(xcb)
  if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    return KeepsWindowsAbove(x11->connection(), static_cast<std::uint32_t>(window.winId()));
  }
#endif
  return false;
}

}  // namespace

// QWidget::setWindowFlags would re-create the native window, which hides it;
// the window handle's flag changes the state of the mapped window in place
// (on X11, _NET_WM_STATE_ABOVE through the window manager). Wayland gives a
// client no say in stacking, and an X11 window manager may keep no window above
// others: there the user is told, and nothing changes.
void NativeWindowStacking::SetTopmost(QWidget& window, bool topmost) {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    throw ToldFailure("Wayland gives a program no say in stacking", kNoStaysOnTop);
  }
  if (topmost && !KeepsAbove(window)) {
    throw ToldFailure("the window manager keeps no window above the others", kNoStaysOnTop);
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
