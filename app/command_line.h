#pragma once

#include <optional>
#include <string_view>

namespace mirt2 {

// What the command line and the environment settle before any window exists.
// --help and --version print to stdout and end the program; without a display
// to open the window on, one line on stderr says so and the program ends with
// 1, instead of Qt's abort. In a Wayland session where XWayland runs the
// window goes there, unless the user chose a platform. Any other argument is
// left to Qt, which takes its own (-platform NAME …) and ignores the rest.
//
// Returns the exit status when the program is to end here, nullopt when it is
// to go on and open its window.
std::optional<int> SettleCommandLine(int argc, const char* const* argv);

// The text after --restore: a state that an earlier run left with the system, to come back as it
// was. Nullopt where there is none.
std::optional<std::string_view> RestoreArgument(int argc, const char* const* argv);

}  // namespace mirt2
