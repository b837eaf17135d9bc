#pragma once

namespace mirt2 {

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

// The system's local time of day in whole seconds since midnight, [0, 86400).
// Each call reads the clock afresh; the tick depends on that.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int Time() = 0;
};

class SystemClock final : public Clock {
 public:
  int Time() override;
};

}  // namespace mirt2
