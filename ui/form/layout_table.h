#pragma once

#include <optional>

namespace mirt2 {

// The window's layouts in twips. The window's Top and Height are those of its outer frame, on
// the screen; a frame's Left and Top are in the client area.

// The load handler's geometry. The window's Left stays where the window was placed.
inline constexpr int kStartWidth = 2900;
inline constexpr int kStartTop = 5530;
inline constexpr int kStartHeight = 1900;

// What choosing a display mode sets. The numbers are given one by one and do not follow from
// the panel pitch; the options-shown height is 430 above the hidden one in mode 1, 420 in the
// others.
struct DisplayModeLayout {
  int panels;  // shown, from panel 1 on
  int window_top;
  int fram2_top;
  int height_options_hidden;
  int height_options_shown;
};
inline constexpr DisplayModeLayout kMode1{1, 5540, 450, 1900, 2330};
inline constexpr DisplayModeLayout kMode5{5, 3510, 2480, 3930, 4350};
inline constexpr DisplayModeLayout kMode10{10, 980, 5010, 6470, 6890};

// Modes 5 and 10 stack their panels at this Left, 7 twips further apart than a panel is high.
// Mode 1 moves panel 1 to the top and leaves its Left.
inline constexpr int kPanelLeft = 30;
inline constexpr int kPanelPitch = 507;
// The options panel's Top is the window's Height, as the window reports it, less this.
inline constexpr int kOptionsPanelAboveBottom = 920;
// The check box grows or shrinks the window by this much from its current Height.
inline constexpr int kOptionsToggle = 430;

}  // namespace mirt2

namespace mirt2 {

// The layout of a display mode: 1, 5 or 10 panels.
constexpr const DisplayModeLayout& LayoutOf(int panels) {
  return panels == 10 ? kMode10 : panels == 5 ? kMode5 : kMode1;
}

// Whether a window Height in a layout came from ticking or clearing the options box after the
// layout was chosen (true), from choosing it (false), or from neither (nullopt): choosing a
// layout sets its own height, and the box adds or takes 430 from whatever it finds.
constexpr std::optional<bool> ToggledSinceChosen(const DisplayModeLayout& mode, bool options,
                                                 int height) {
  if (height == (options ? mode.height_options_shown : mode.height_options_hidden)) return false;
  if (height == (options ? mode.height_options_hidden + kOptionsToggle
                         : mode.height_options_shown - kOptionsToggle)) {
    return true;
  }
  return std::nullopt;
}

}  // namespace mirt2
