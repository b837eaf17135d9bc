#pragma once

namespace mirt2 {

// Windows only. Puts the top-level window `hwnd` (an HWND) into the band of
// topmost windows or takes it out of it, keeping its position and size; either
// way it is also activated and raised within its band. Free of Qt, so that it
// builds and is tested without a toolkit.
//
// False where Windows refused: the always-on-top button then keeps what it said.
bool SetTopmostNative(void* hwnd, bool topmost);

}  // namespace mirt2
