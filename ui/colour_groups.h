#pragma once

#include <string_view>
#include <vector>

#include "control_ref.h"

namespace mirt2 {

// The three colour settings: which property of which controls each one sets.
enum class ColourGroup { kMoji, kButton, kBak };
enum class ColourProperty { kForeColor, kBackColor };

[[nodiscard]] ColourProperty PropertyOf(ColourGroup group);

// The members in the order they are set: the single controls, then for each
// index 1 to 10 that index's control-array members, hidden panels included.
[[nodiscard]] std::vector<ControlRef> MembersOf(ColourGroup group);

}  // namespace mirt2
