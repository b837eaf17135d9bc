#pragma once

#include <string_view>

namespace mirt2 {

// A control by its design name and control-array index (0 for a single control).
// An empty name refers to no control: the container of the window itself.
struct ControlRef {
  std::string_view name;
  int index = 0;

  [[nodiscard]] constexpr bool Empty() const { return name.empty(); }
  friend constexpr bool operator==(const ControlRef&, const ControlRef&) = default;
};

inline constexpr std::string_view kWindowName = "frmMirt2";

}  // namespace mirt2
