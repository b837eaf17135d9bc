#include "clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace mirt2 {
namespace {

// Runs a body with TZ set, restoring the previous zone afterwards. The C
// runtime on Windows reads TZ too, in the same form for zones without
// daylight saving time.
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
    _tzset();
#else
    if (zone) {
      setenv("TZ", zone, 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
#endif
  }

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

TEST(SystemClockTest, StaysWithinOneDay) {
  SystemClock clock;
  const int t = clock.Time();
  EXPECT_GE(t, 0);
  EXPECT_LT(t, kSecondsPerDay);
}

}  // namespace
}  // namespace mirt2
