#pragma once

#include <optional>
#include <string>

#include "time_pattern.h"

namespace mirt2 {

// The user's long time format in the Windows token language, with the AM and
// PM designators that go with it. All texts are UTF-8.
struct RegionalTimeFormat {
  std::string pattern;
  std::string am;
  std::string pm;

  friend bool operator==(const RegionalTimeFormat&, const RegionalTimeFormat&) = default;
};

// Asks the platform for the user's long time format: the locale settings on
// Windows, ICU's data for the time locale of the environment elsewhere.
// nullopt where the platform offers no regional setting, or one that the
// token language cannot express.
std::optional<RegionalTimeFormat> LookUpRegionalTimeFormat();

// The user's long time format compiled, or TimePattern::Default() where there
// is none or it cannot be read back.
TimePattern RegionalTimePattern();

}  // namespace mirt2
