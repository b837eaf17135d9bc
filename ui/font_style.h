#pragma once

#include <array>
#include <string_view>

namespace mirt2 {

// Every named font of the window is the same face; only size and style differ.
struct FontStyle {
  double points = 9.0;
  bool bold = false;
  bool underline = false;

  friend constexpr bool operator==(const FontStyle&, const FontStyle&) = default;
};

// The design face first; the others are metric-compatible or look-alike Japanese
// proportional gothics for systems that lack it.
inline constexpr std::array<std::string_view, 8> kFontFaces = {
    "ＭＳ Ｐゴシック",  "MS PGothic",         "IPAPGothic", "IPAexGothic",
    "Noto Sans CJK JP", "Source Han Sans JP", "VL PGothic", "TakaoPGothic",
};

}  // namespace mirt2
