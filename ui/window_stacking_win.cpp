#include <windows.h>

#include <QWidget>

#include "window_stacking.h"

namespace mirt2 {

// Joins or leaves the band of topmost windows, keeping position and size; with
// no flag against it, the window is also activated and raised in its band.
void NativeWindowStacking::SetTopmost(QWidget& window, bool topmost) {
  const auto handle = reinterpret_cast<HWND>(window.winId());
  ::SetWindowPos(handle, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace mirt2
