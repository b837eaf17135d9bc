#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "clock.h"
#include "colour.h"
#include "session_state.h"

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

// The system colour picker: modal, opening on `initial` with the custom colours the person keeps
// in it, which it updates; a colour, or nullopt when the user cancels.
class ColourPicker {
 public:
  virtual ~ColourPicker() = default;
  virtual std::optional<Colour> Pick(Colour initial, CustomColours& custom, QWidget* parent) = 0;
};

// Windows' own colour dialog on Windows; elsewhere Qt's own, never a platform theme's. Neither
// keeps anything on the disk or in the registry: the custom colours last for the run.
class SystemColourPicker final : public ColourPicker {
 public:
  SystemColourPicker();
  std::optional<Colour> Pick(Colour initial, CustomColours& custom, QWidget* parent) override;
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

// Where the system keeps the window's state to start the program again as it was when the
// session ends without the person ending the program: a restart for updates, a sign-out, a crash.
class SessionKeeper {
 public:
  // The window's state as `--restore` takes it, taken afresh at each call.
  using StateText = std::function<std::string()>;
  virtual ~SessionKeeper() = default;
  virtual void Follow(StateText text) = 0;
  // The state changed.
  virtual void Changed() = 0;
  // The window closes. Unless the session is ending, the person ended the program, and nothing
  // is to come back.
  virtual void Closing() = 0;
};

// On Windows, Windows' restart registration, kept current at every change and once more as the
// session ends; elsewhere the X session manager's restart command, given when it asks.
class SystemSessionKeeper final : public SessionKeeper {
 public:
  SystemSessionKeeper();
  ~SystemSessionKeeper() override;
  SystemSessionKeeper(const SystemSessionKeeper&) = delete;
  SystemSessionKeeper& operator=(const SystemSessionKeeper&) = delete;
  void Follow(StateText text) override;
  void Changed() override;
  void Closing() override;

 private:
  struct Watch;
  std::unique_ptr<Watch> watch_;
};

struct WindowServices {
  Clock& clock;
  ColourPicker& picker;
  Clipboard& clipboard;
  WindowStacking& stacking;
  SessionKeeper& session;
};

}  // namespace mirt2
