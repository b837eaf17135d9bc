#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "colour.h"
#include "control_ref.h"
#include "font_style.h"
#include "stopwatch_bank.h"

namespace mirt2 {

// Timer1 has no row: it is not drawn and takes no focus.
inline constexpr std::chrono::milliseconds kTimer1Interval{100};

enum class ControlKind { kWindow, kFrame, kLabel, kCommandButton, kOptionButton, kCheckBox };

enum class LabelAlignment { kLeft, kCentred };

// Design-time properties of one control of frmMirt2. Lengths are twips; Left and Top are
// relative to the container, except on the window's row, where they are the design-time
// client area on the screen (the load handler then sets the outer Width, Top and Height).
struct ControlRow {
  std::string_view name;
  int index = 0;
  ControlKind kind = ControlKind::kLabel;
  ControlRef container;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;
  std::string tool_tip;
  std::optional<FontStyle> font;  // none: the window's default font
  std::optional<Colour> fore_color;
  std::optional<Colour> back_color;
  std::optional<LabelAlignment> alignment;  // labels only
  bool transparent = false;                 // labels: the frame's colour shows through
  bool graphical = false;                   // command buttons: the face shows back_color
  bool bordered = false;                    // frames
  bool visible = true;
  int value = 0;  // option button: 1 selected; check box: 0 unchecked, 1 checked, 2 grayed
  std::optional<int> tab_index;  // the window has none
  // Enter presses this button from anywhere in the window.
  bool default_button = false;
  // What a screen reader says for the control. A button's name says what it does, since
  // its caption is often a single character; a label's name says what its caption shows.
  std::string accessible_name;
  // Said after the name. Empty where the tool tip serves, or where the name says it all.
  std::string accessible_description;

  [[nodiscard]] ControlRef Ref() const { return {name, index}; }
};

// Every control of frmMirt2, the window first. A container's row always precedes the rows
// of the controls it holds, so the window can be built by one walk from the front.
// The rows live for the whole program and never move.
std::span<const ControlRow> ControlTable();

// nullptr when there is no such control, e.g. fram1 with index 0 or 11.
const ControlRow* FindControl(std::string_view name, int index = 0);
inline const ControlRow* FindControl(ControlRef ref) {
  return FindControl(ref.name, ref.index);
}

}  // namespace mirt2
