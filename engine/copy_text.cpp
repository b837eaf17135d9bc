#include "copy_text.h"

#include <algorithm>

namespace mirt2 {

namespace {
constexpr std::string_view kLineBreak = "\r\n";
// U+FF0D FULLWIDTH HYPHEN-MINUS, not the ASCII hyphen of the panel numbers.
constexpr std::string_view kNumberSeparator = "\xEF\xBC\x8D";
}  // namespace

std::string BuildCopyText(std::span<const std::string> texts, int count, bool numbered) {
  const auto lines =
      static_cast<std::size_t>(std::clamp<int>(count, 0, static_cast<int>(texts.size())));
  std::string report;
  for (std::size_t i = 0; i < lines; ++i) {
    if (i > 0) report += kLineBreak;
    if (numbered) {
      report += std::to_string(i + 1);
      report += kNumberSeparator;
    }
    report += texts[i];
  }
  return report;
}

}  // namespace mirt2
