#include "clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace mirt2 {
namespace {

#if !defined(_WIN32)
// Runs a body with TZ set, restoring the previous zone afterwards.
class ZoneGuard {
 public:
  explicit ZoneGuard(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ZoneGuard() {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ZoneGuard(const ZoneGuard&) = delete;
  ZoneGuard& operator=(const ZoneGuard&) = delete;

 private:
  std::optional<std::string> old_;
};

// The reading is the local time of day: the same instant reads nine hours
// apart in UTC and in Japan's zone.
TEST(SystemClockTest, ReadsTheLocalTimeOfDay) {
  SystemClock clock;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::time_t before = std::time(nullptr);
    int utc = 0;
    int japan = 0;
    {
      ZoneGuard zone("UTC0");
      utc = clock.Time();
    }
    {
      ZoneGuard zone("JST-9");
      japan = clock.Time();
    }
    if (std::time(nullptr) != before) continue;  // a second passed between the readings
    EXPECT_EQ(utc, before % 86400);
    EXPECT_EQ(japan, (utc + 9 * 3600) % 86400);
    return;
  }
  GTEST_SKIP() << "the clock's second kept changing between readings";
}
#endif

TEST(SystemClockTest, StaysWithinOneDay) {
  SystemClock clock;
  const int t = clock.Time();
  EXPECT_GE(t, 0);
  EXPECT_LT(t, kSecondsPerDay);
}

}  // namespace
}  // namespace mirt2
