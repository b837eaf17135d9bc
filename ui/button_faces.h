#pragma once

#include <string_view>

namespace mirt2 {

// The buttons whose action alternates announce what their next click does.
// The first face of each is the button's design state in the control table.

// The copy button's tool tip: the style of the next report.
inline constexpr std::string_view kCopyUnnumberedTip =
    "番号無しでタイマーの時間をクリップボードに送ります";
inline constexpr std::string_view kCopyNumberedTip =
    "番号入りでタイマーの時間をクリップボードに送ります";

// The always-on-top button, to the eye and to a screen reader alike.
struct MaeFace {
  std::string_view caption;
  std::string_view tool_tip;
  std::string_view accessible_name;
};
inline constexpr MaeFace kMaeToFront{"前へ", "常に前面に置きます", "常に前面に置く"};
inline constexpr MaeFace kMaeRelease{"元へ", "常に前面をキャンセルします", "常に前面を解除"};

}  // namespace mirt2
