#pragma once

#include <cstdint>

struct xcb_connection_t;

namespace mirt2 {

// X11 only. Whether a window manager runs on the screen of `window` that keeps windows above the
// others when asked: its check window (_NET_SUPPORTING_WM_CHECK) names itself, so that it is not
// one that has gone, and it lists _NET_WM_STATE_ABOVE among what it supports (_NET_SUPPORTED).
// Asks the X server at once. Free of Qt: the window layer lends its connection.
bool KeepsWindowsAbove(xcb_connection_t* connection, std::uint32_t window);

}  // namespace mirt2
