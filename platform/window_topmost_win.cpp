#include "window_topmost.h"

#include <windows.h>

namespace mirt2 {

// Without SWP_NOACTIVATE or SWP_NOZORDER, SetWindowPos also activates the
// window and brings it to the front of its band: the user who just asked for
// "always on top" expects to see the window.
bool SetTopmostNative(void* hwnd, bool topmost) {
  return ::SetWindowPos(static_cast<HWND>(hwnd), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0,
                        0, SWP_NOSIZE | SWP_NOMOVE) != FALSE;
}

}  // namespace mirt2
