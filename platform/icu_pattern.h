#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirt2 {

// Rewrites an ICU/CLDR time pattern (UTF-8) in the Windows token language
// that TimePattern reads: H HH h hh m mm s ss stay, a to aaa and the day
// periods b to bbb and B to BBB become tt, and literal text keeps its meaning,
// quoted where it holds ASCII letters.
// Narrow and ordinary no-break spaces become plain spaces, so a user who
// copies "1:02:03 PM" gets the text they see.
//
// nullopt where the pattern uses a field the token language has no word for
// (k, K, S, z, HHH, BBBB, ...) or where a quote is left open.
std::optional<std::string> TranslateIcuTimePattern(std::string_view icu_pattern);

}  // namespace mirt2
