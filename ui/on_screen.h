#pragma once

class QWidget;

namespace mirt2 {

// Whether a person can see some of `control`: it and its containers are shown, and part of it
// lies inside each container up to the window's client area. The panels that wait beside or
// below the client area at start are not hidden, yet nobody sees them.
bool OnScreen(const QWidget& control);

}  // namespace mirt2
