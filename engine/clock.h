#pragma once

#include <chrono>

namespace mirt2 {

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

// The two clocks read at one moment. The wall clock is the local time as the
// computer shows it, which a person, a time service, summer time or a change of
// time zone may set anywhere; the real-time clock runs on at one second a
// second through all of that and through sleep and hibernation, from an origin
// of its own.
struct ClockReading {
  // Whole seconds since local midnight, [0, 86400).
  int time_of_day = 0;
  // How far the wall clock is into that second, [0, 1 s).
  std::chrono::nanoseconds into_second{0};
  std::chrono::nanoseconds real{0};
  // The wall clock as a moment, since 1970-01-01 00:00 UTC: what the wall clock says has passed
  // between two readings when no real-time clock spans both, across a restart of the computer.
  std::chrono::nanoseconds wall{0};
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Reads both clocks afresh.
  virtual ClockReading Now() = 0;
};

class SystemClock final : public Clock {
 public:
  ClockReading Now() override;
};

}  // namespace mirt2
