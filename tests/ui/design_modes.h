#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace mirt2::testing {

// The window's outer Width in every layout, in twips, and its client area's width in pixels:
// the design's Width less its frame, 90 twips.
inline constexpr int kDesignWidth = 2900;
inline constexpr int kDesignClientWidth = 187;

// The design's display modes as the tests know them, written out here once, apart from the
// window's own table, so that a typo there fails. Lengths are twips; the window's Top and Height
// are its outer frame's.
struct DesignMode {
  int panels;
  const char* caption;  // of the option button opt<panels>
  const char* spoken;   // its accessible name
  int option_left, option_top;
  int top, fram2_top;
  int hidden_height, shown_height;  // the window's, chosen with the options box cleared, ticked
  int fram3_top;                    // with the options box ticked
  // The client area's height in pixels: the design's outer Height less its frame, 420 twips.
  int hidden_client, shown_client;
};

inline constexpr std::array<DesignMode, 3> kDesignModes = {{
    {1, "1", "1 個表示", 2400, 80, 5540, 450, 1900, 2330, 1410, 99, 127},
    {5, "5", "5 個表示", 2160, 250, 3510, 2480, 3930, 4350, 3430, 234, 262},
    {10, "10", "10 個表示", 1920, 430, 980, 5010, 6470, 6890, 5970, 403, 431},
}};

inline const DesignMode& DesignModeOf(int panels) {
  for (const DesignMode& mode : kDesignModes) {
    if (mode.panels == panels) return mode;
  }
  throw std::out_of_range("no display mode of " + std::to_string(panels) + " panels");
}

inline std::string OptionName(int panels) {
  return "opt" + std::to_string(panels);
}

}  // namespace mirt2::testing
