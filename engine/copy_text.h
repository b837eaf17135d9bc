#pragma once

#include <span>
#include <string>

namespace mirt2 {

// The clipboard report: the first `count` texts (texts[0] is stopwatch 1),
// one per line with CR LF between lines and none at the end; numbered lines
// read "1－" + text. A count of 0 or less gives "".
std::string BuildCopyText(std::span<const std::string> texts, int count, bool numbered);

}  // namespace mirt2
