#include <QWidget>

#include "failure_notice.h"
#include "window_services.h"
#include "window_topmost.h"

namespace mirt2 {

// winId() creates the native window where there is none yet, so Windows always
// gets a real handle.
void NativeWindowStacking::SetTopmost(QWidget& window, bool topmost) {
  if (!SetTopmostNative(reinterpret_cast<void*>(window.winId()), topmost)) {
    throw std::runtime_error("SetWindowPos refused");
  }
}

}  // namespace mirt2
