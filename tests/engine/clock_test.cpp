#include "clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace mirt2 {
namespace {

// Runs a body with TZ set, restoring the previous zone afterwards. The C
// runtime on Windows reads TZ too, in the same form for zones without
// daylight saving time. It leaves the C runtime to notice the change: a
// running program must see its zone change without help.
class ZoneGuard {
 public:
  explicit ZoneGuard(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    Set(zone);
  }
  ~ZoneGuard() { Set(old_ ? old_->c_str() : nullptr); }
  ZoneGuard(const ZoneGuard&) = delete;
  ZoneGuard& operator=(const ZoneGuard&) = delete;

 private:
  // nullptr unsets TZ.
  static void Set(const char* zone) {
#if defined(_WIN32)
    _putenv_s("TZ", zone ? zone : "");
#else
    if (zone) {
      setenv("TZ", zone, 1);
    } else {
      unsetenv("TZ");
    }
#endif
  }

  std::optional<std::string> old_;
};

// The reading is the local time of day, in the zone as it is now: the same
// instant reads nine hours apart in UTC and in Japan's zone.
TEST(SystemClockTest, ReadsTheLocalTimeOfDay) {
  SystemClock clock;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::time_t before = std::time(nullptr);
    int utc = 0;
    int japan = 0;
    {
      ZoneGuard zone("UTC0");
      utc = clock.Now().time_of_day;
    }
    {
      ZoneGuard zone("JST-9");
      japan = clock.Now().time_of_day;
    }
    if (std::time(nullptr) != before) continue;  // a second passed between the readings
    EXPECT_EQ(utc, before % 86400);
    EXPECT_EQ(japan, (utc + 9 * 3600) % 86400);
    return;
  }
  GTEST_SKIP() << "the clock's second kept changing between readings";
}

TEST(SystemClockTest, ReadsWithinOneDayAndOneSecond) {
  SystemClock clock;
  const ClockReading reading = clock.Now();
  EXPECT_GE(reading.time_of_day, 0);
  EXPECT_LT(reading.time_of_day, kSecondsPerDay);
  EXPECT_GE(reading.into_second, std::chrono::nanoseconds(0));
  EXPECT_LT(reading.into_second, std::chrono::seconds(1));
}

// Both clocks count the same nanoseconds: read twice, they move on alike.
TEST(SystemClockTest, TheRealTimeClockKeepsPaceWithTheWallClock) {
  SystemClock clock;
  const ClockReading first = clock.Now();
  ClockReading second = clock.Now();
  while (second.real - first.real < std::chrono::milliseconds(2)) second = clock.Now();
  const auto wall = [](const ClockReading& r) {
    return std::chrono::seconds(r.time_of_day) + r.into_second;
  };
  std::chrono::nanoseconds wall_passed = wall(second) - wall(first);
  if (wall_passed < std::chrono::hours(-12)) wall_passed += std::chrono::hours(24);  // midnight
  EXPECT_LT(std::chrono::abs((second.real - first.real) - wall_passed),
            std::chrono::milliseconds(1));
}

}  // namespace
}  // namespace mirt2
