#pragma once

#include <chrono>
#include <stdexcept>
#include <string_view>

#include "clock.h"

namespace mirt2::testing {

// "9:14:59" or "9:14:59.3" -> the time since midnight.
constexpr std::chrono::nanoseconds Hms(std::string_view text) {
  long long parts[3] = {0, 0, 0};
  long long fraction = 0;
  long long scale = 1'000'000'000;
  int k = 0;
  bool after_point = false;
  for (char c : text) {
    if (c == ':') {
      ++k;
    } else if (c == '.') {
      after_point = true;
    } else if (after_point) {
      scale /= 10;
      fraction += (c - '0') * scale;
    } else {
      parts[k] = parts[k] * 10 + (c - '0');
    }
  }
  return std::chrono::seconds(parts[0] * 3600 + parts[1] * 60 + parts[2]) +
         std::chrono::nanoseconds(fraction);
}

// A wall clock and a real-time clock that the test moves: time that passes,
// or a sleep of the computer, moves both; a setting of the wall clock (summer
// time, a time zone, a time service, a person) moves it alone.
class ScriptedClock final : public Clock {
 public:
  explicit ScriptedClock(std::chrono::nanoseconds time_of_day = {}) : wall_(time_of_day) {}

  void Run(std::chrono::nanoseconds span) {
    wall_ += span;
    real_ += span;
  }
  // Runs on until the wall clock reads hms, later today or tomorrow; not at all
  // if it reads hms already.
  void RunTo(std::string_view hms) {
    constexpr std::chrono::nanoseconds kDay = std::chrono::hours(24);
    Run(((Hms(hms) - wall_) % kDay + kDay) % kDay);
  }
  void Step(std::chrono::nanoseconds by) { wall_ += by; }

  ClockReading Now() override {
    if (fail_) throw std::runtime_error("clock unavailable");
    const auto second = std::chrono::floor<std::chrono::seconds>(wall_);
    const long long of_day = (second.count() % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    return {static_cast<int>(of_day), wall_ - second, real_, kMidnight + wall_};
  }
  // 2026-12-07 00:00 UTC: the midnight the wall clock counts from.
  static constexpr std::chrono::nanoseconds kMidnight = std::chrono::seconds(1'796'601'600);
  bool fail_ = false;

 private:
  std::chrono::nanoseconds wall_;  // since a midnight
  // From an origin of its own, as the system's real-time clock.
  std::chrono::nanoseconds real_ = std::chrono::hours(5);
};

}  // namespace mirt2::testing
