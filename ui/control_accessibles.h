#pragma once

namespace mirt2 {

// Makes screen readers read frmMirt2 and its controls through this program's interfaces: the
// window as a window (AT-SPI "frame"), each panel as a named panel, and the command buttons and
// labels as Qt would, but off screen wherever nobody sees them. Installed once, however often
// it is called.
void InstallControlAccessibles();

}  // namespace mirt2
