#pragma once

#include <array>

#include "control_ref.h"

namespace mirt2 {

enum class StartupProperty { kBorderStyle, kWidth, kTop, kHeight };

// BorderStyle 0 is no border. Lengths are twips; the window's are its outer size and its
// Top is on the screen.
struct StartupAssignment {
  ControlRef target;
  StartupProperty property = StartupProperty::kTop;
  int value = 0;

  friend constexpr bool operator==(const StartupAssignment&, const StartupAssignment&) = default;
};

// The geometry steps of the window's load handler, to be performed in this order before
// the window is shown. The window's Left is deliberately absent: it stays where the window
// was placed. Resetting the always-on-top flag and the stopwatch switches belongs to the
// load handler too but is state, not geometry.
inline constexpr std::array<StartupAssignment, 5> kStartupAssignments = {{
    {{"fram2"}, StartupProperty::kBorderStyle, 0},
    {{"fram3"}, StartupProperty::kBorderStyle, 0},
    {{kWindowName}, StartupProperty::kWidth, 2900},
    {{kWindowName}, StartupProperty::kTop, 5530},
    {{kWindowName}, StartupProperty::kHeight, 1900},
}};

}  // namespace mirt2
