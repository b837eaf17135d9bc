#pragma once

#include <optional>
#include <string_view>

#include "regional_time_format.h"

namespace mirt2 {

// The medium time format ICU's own data gives for a locale name such as
// "ja_JP", independent of the locales the system has generated. nullopt for
// a name ICU has no data for: ICU would otherwise answer with the process's
// default locale, which is not the user's choice.
std::optional<RegionalTimeFormat> IcuTimeFormat(std::string_view locale_name);

}  // namespace mirt2
