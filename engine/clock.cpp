#include "clock.h"

#include <ctime>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace mirt2 {

namespace {

using std::chrono::nanoseconds;

struct WallReading {
  std::time_t seconds = 0;
  nanoseconds into_second{0};
};

#if defined(_WIN32)
// The performance counter behind steady_clock (MSVC's, and MinGW's through winpthreads) counts
// on through sleep and hibernation and no setting of the clock touches it.
nanoseconds Real() {
  return std::chrono::steady_clock::now().time_since_epoch();
}

// The precise system time rather than system_clock, whose resolution depends on the C++ runtime
// and may be the 15.6 ms timer tick: the tick is aimed at the wall clock's second from this.
WallReading Wall() {
  FILETIME file_time{};
  GetSystemTimePreciseAsFileTime(&file_time);
  constexpr unsigned long long kTicksPerSecond = 10'000'000;  // 100 ns ticks since 1601
  constexpr unsigned long long kSecondsFrom1601To1970 = 11'644'473'600ULL;
  const unsigned long long ticks =
      (static_cast<unsigned long long>(file_time.dwHighDateTime) << 32U) | file_time.dwLowDateTime;
  return {static_cast<std::time_t>(ticks / kTicksPerSecond - kSecondsFrom1601To1970),
          nanoseconds(static_cast<long long>(ticks % kTicksPerSecond) * 100)};
}
#else
nanoseconds Since(const timespec& t) {
  return std::chrono::seconds(t.tv_sec) + nanoseconds(t.tv_nsec);
}

// CLOCK_MONOTONIC stops while the computer is suspended; CLOCK_BOOTTIME counts that time too,
// and like it is never stepped.
nanoseconds Real() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return Since(now);
}

WallReading Wall() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return {now.tv_sec, nanoseconds(now.tv_nsec)};
}
#endif

int TimeOfDay(std::time_t seconds) {
  std::tm local{};
  // The C runtime reads the time zone once unless asked again: a computer that travels, or whose
  // zone is changed in the settings, would otherwise show the old zone's time until restarted.
#if defined(_WIN32)
  _tzset();
  localtime_s(&local, &seconds);
#else
  tzset();
  localtime_r(&seconds, &local);
#endif
  // A leap second (tm_sec 60) would make 23:59:60 a 24-hour value; it counts as :59.
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  return local.tm_hour * 3600 + local.tm_min * 60 + second;
}

}  // namespace

ClockReading SystemClock::Now() {
  // The bank compares the two clocks' readings from tick to tick and takes a difference of more
  // than a millisecond or two for a step of the wall clock: the wall clock is read between two
  // readings of the real-time clock, and again should the thread have been held up in between.
  constexpr nanoseconds kPairedWithin{100'000};
  constexpr int kAttempts = 3;
  nanoseconds before{};
  nanoseconds after{};
  WallReading wall;
  for (int attempt = 1;; ++attempt) {
    before = Real();
    wall = Wall();
    after = Real();
    if (after - before <= kPairedWithin || attempt == kAttempts) break;
  }
  return {TimeOfDay(wall.seconds), wall.into_second, before + (after - before) / 2,
          std::chrono::seconds(wall.seconds) + wall.into_second};
}

}  // namespace mirt2
