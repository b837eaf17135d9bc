#pragma once

#include <optional>
#include <string>

#include "clock.h"
#include "colour.h"

class QWidget;

namespace mirt2 {

// What the window is given of the system, each behind an interface so that tests pass scripted
// ones: the clock, the clipboard, the colour picker and the window stacking. The program's own
// implementations follow each interface.

// The system clipboard, as the copy button uses it.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empties the clipboard of every format.
  virtual void Clear() = 0;
  // Puts UTF-8 text on it as plain text; throws when the clipboard did not take it.
  virtual void SetText(const std::string& text) = 0;
};

class SystemClipboard final : public Clipboard {
 public:
  void Clear() override;
  void SetText(const std::string& text) override;
};

// The system colour picker: modal, opening on `initial`; a colour, or nullopt when the user
// cancels.
class ColourPicker {
 public:
  virtual ~ColourPicker() = default;
  virtual std::optional<Colour> Pick(Colour initial, QWidget* parent) = 0;
};

class QtColourPicker final : public ColourPicker {
 public:
  std::optional<Colour> Pick(Colour initial, QWidget* parent) override;
};

// Keeps a window above all others, or returns it to ordinary stacking, without moving or
// resizing it; either way it comes to the front of its band.
class WindowStacking {
 public:
  virtual ~WindowStacking() = default;
  virtual void SetTopmost(QWidget& window, bool topmost) = 0;
};

// SetWindowPos on Windows; elsewhere the live window's stays-on-top state, which Wayland
// refuses (a ToldFailure).
class NativeWindowStacking final : public WindowStacking {
 public:
  void SetTopmost(QWidget& window, bool topmost) override;
};

struct WindowServices {
  Clock& clock;
  ColourPicker& picker;
  Clipboard& clipboard;
  WindowStacking& stacking;
};

}  // namespace mirt2
