#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mirt2 {

// A display mode, a row: how many panels the window shows, the option button that chooses it,
// and the layout it sets. Everything else about a mode follows from these.
struct DisplayModeRow {
  int panels;  // shown, from panel 1 on; also the mode's number, as a restore names it
  // The option button: its name, caption and what a screen reader says for it, and its place
  // in the control panel in twips.
  std::string_view option;
  std::string_view caption;
  std::string_view accessible_name;
  int option_left;
  int option_top;
  // Its place in the tab order (only the selected option button is a tab stop) and in the
  // order the arrow keys walk: Left and Down take the next, Right and Up the one before.
  int tab_index;
  int arrow_place;
  // The layout in twips: the window's Top and Height are its outer frame's, on the screen. The
  // numbers are given one by one and do not follow from the panel pitch; the options-shown
  // height is 430 above the hidden one in mode 1, 420 in the others.
  int window_top;
  int fram2_top;
  int height_options_hidden;
  int height_options_shown;
};

// In the order the option buttons are made; the first is selected in a fresh window.
inline constexpr std::array<DisplayModeRow, 3> kDisplayModes = {{
    {1, "opt1", "1", "1 個表示", 2400, 80, 23, 0, 5540, 450, 1900, 2330},
    {5, "opt5", "5", "5 個表示", 2160, 250, 24, 1, 3510, 2480, 3930, 4350},
    {10, "opt10", "10", "10 個表示", 1920, 430, 25, 2, 980, 5010, 6470, 6890},
}};
inline constexpr std::size_t kDisplayModeCount = kDisplayModes.size();

// The mode that shows `panels` panels; null where there is none.
constexpr const DisplayModeRow* FindDisplayMode(int panels) {
  for (const DisplayModeRow& mode : kDisplayModes) {
    if (mode.panels == panels) return &mode;
  }
  return nullptr;
}

}  // namespace mirt2
