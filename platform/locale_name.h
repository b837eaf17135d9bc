#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirt2 {

// The locale that governs time formatting, chosen as POSIX does: the first
// non-empty of LC_ALL, LC_TIME and LANG. The codeset and @modifier are cut
// off ("de_DE.UTF-8@euro" gives "de_DE"). nullopt where that leaves no
// regional setting: nothing set, "C", "POSIX", or a value that is not a
// locale name at all (a path, say).
std::optional<std::string> TimeLocaleName(std::string_view lc_all, std::string_view lc_time,
                                          std::string_view lang);

// TimeLocaleName over this process's environment.
std::optional<std::string> TimeLocaleNameFromEnvironment();

}  // namespace mirt2
