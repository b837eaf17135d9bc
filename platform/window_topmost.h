#pragma once

namespace mirt2 {

// Windows only. Puts the top-level window `hwnd` (an HWND) into the band of
// topmost windows or takes it out of it, keeping its position and size; either
// way it is also activated and raised within its band. Free of Qt, so that it
// builds and is tested without a toolkit.
//
// What Windows answers is not examined: the always-on-top button records what the user asked
// for, and a live window's handle names a window.
void SetTopmostNative(void* hwnd, bool topmost);

}  // namespace mirt2
