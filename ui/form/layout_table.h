#pragma once

#include <optional>

#include "display_modes.h"

namespace mirt2 {

// The window's layouts in twips, besides what each display mode sets (display_modes.h). The
// window's Top and Height are those of its outer frame, on the screen; a frame's Left and Top are
// in the client area.

// The load handler's geometry. The window's Left stays where the window was placed.
inline constexpr int kStartWidth = 2900;
inline constexpr int kStartTop = 5530;
inline constexpr int kStartHeight = 1900;

// A mode of more than one panel stacks them at this Left, 7 twips further apart than a panel is
// high. Mode 1 moves panel 1 to the top and leaves its Left.
inline constexpr int kPanelLeft = 30;
inline constexpr int kPanelPitch = 507;
// The options panel's Top is the window's Height, as the window reports it, less this.
inline constexpr int kOptionsPanelAboveBottom = 920;
// The check box grows or shrinks the window by this much from its current Height.
inline constexpr int kOptionsToggle = 430;

// Whether a window Height in a layout came from ticking or clearing the options box after the
// layout was chosen (true), from choosing it (false), or from neither (nullopt): choosing a
// layout sets its own height, and the box adds or takes 430 from whatever it finds.
constexpr std::optional<bool> ToggledSinceChosen(const DisplayModeRow& mode, bool options,
                                                 int height) {
  if (height == (options ? mode.height_options_shown : mode.height_options_hidden)) return false;
  if (height == (options ? mode.height_options_hidden + kOptionsToggle
                         : mode.height_options_shown - kOptionsToggle)) {
    return true;
  }
  return std::nullopt;
}

}  // namespace mirt2
