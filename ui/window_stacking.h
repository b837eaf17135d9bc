#pragma once

class QWidget;

namespace mirt2 {

// Keeps a window above all others, or returns it to ordinary stacking, without
// moving or resizing it; either way it comes to the front of its band.
class WindowStacking {
 public:
  virtual ~WindowStacking() = default;
  virtual void SetTopmost(QWidget& window, bool topmost) = 0;
};

// SetWindowPos on Windows; elsewhere the live window's stays-on-top state.
class NativeWindowStacking final : public WindowStacking {
 public:
  void SetTopmost(QWidget& window, bool topmost) override;
};

}  // namespace mirt2
