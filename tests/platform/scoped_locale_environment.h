#pragma once

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

namespace mirt2 {

// Sets the locale variables for one test and puts the caller's back after,
// so that the lookups see only what the test chose.
class ScopedLocaleEnvironment {
 public:
  ScopedLocaleEnvironment(const char* lc_all, const char* lc_time = "", const char* lang = "") {
    for (size_t i = 0; i < kNames.size(); ++i) {
      if (const char* value = std::getenv(kNames[i])) saved_[i] = value;
    }
    const std::array<const char*, 3> values = {lc_all, lc_time, lang};
    for (size_t i = 0; i < kNames.size(); ++i) setenv(kNames[i], values[i], 1);
  }
  ~ScopedLocaleEnvironment() {
    for (size_t i = 0; i < kNames.size(); ++i) {
      if (saved_[i]) {
        setenv(kNames[i], saved_[i]->c_str(), 1);
      } else {
        unsetenv(kNames[i]);
      }
    }
  }
  ScopedLocaleEnvironment(const ScopedLocaleEnvironment&) = delete;
  ScopedLocaleEnvironment& operator=(const ScopedLocaleEnvironment&) = delete;

 private:
  static constexpr std::array<const char*, 3> kNames = {"LC_ALL", "LC_TIME", "LANG"};
  std::array<std::optional<std::string>, 3> saved_;
};

}  // namespace mirt2
