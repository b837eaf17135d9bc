#include "locale_name.h"

#include <algorithm>
#include <cstdlib>

#include "ascii.h"

namespace mirt2 {
namespace {

// Longer than any real locale name; anything past it is not one.
constexpr size_t kMaxLocaleNameLength = 64;

bool IsLocaleNameChar(char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

}  // namespace

std::optional<std::string> TimeLocaleName(std::string_view lc_all, std::string_view lc_time,
                                          std::string_view lang) {
  // An empty variable counts as unset, but a set one wins even when it says
  // "C": LC_ALL=C must not let LANG through.
  std::string_view name = !lc_all.empty() ? lc_all : !lc_time.empty() ? lc_time : lang;
  name = name.substr(0, name.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return std::nullopt;
  if (name.size() > kMaxLocaleNameLength || !IsAsciiLetter(name.front()) ||
      !std::ranges::all_of(name, IsLocaleNameChar)) {
    return std::nullopt;
  }
  return std::string(name);
}

std::optional<std::string> TimeLocaleNameFromEnvironment() {
  return TimeLocaleName(Variable("LC_ALL"), Variable("LC_TIME"), Variable("LANG"));
}

}  // namespace mirt2
