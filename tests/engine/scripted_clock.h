#pragma once

#include <deque>
#include <stdexcept>
#include <string_view>

#include "clock.h"

namespace mirt2::testing {

// "9:14:59" -> seconds since midnight.
constexpr int Hms(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int k = 0;
  for (char c : text) {
    if (c == ':') {
      ++k;
    } else {
      parts[k] = parts[k] * 10 + (c - '0');
    }
  }
  return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

// A clock whose readings the test writes: queued readings are returned one per
// call, and once they run out every call returns the current setting.
class ScriptedClock final : public Clock {
 public:
  explicit ScriptedClock(int now = 0) : now_(now) {}

  void Set(int now) {
    queued_.clear();
    now_ = now;
  }
  void Set(std::string_view hms) { Set(Hms(hms)); }
  // The next calls return these readings in turn; the last one then stays.
  void Queue(std::initializer_list<int> readings) {
    for (int r : readings) queued_.push_back(r);
  }

  int Time() override {
    if (fail_) throw std::runtime_error("clock unavailable");
    ++reads_;
    if (!queued_.empty()) {
      now_ = queued_.front();
      queued_.pop_front();
    }
    return now_;
  }
  [[nodiscard]] int reads() const { return reads_; }
  bool fail_ = false;

 private:
  int now_;
  std::deque<int> queued_;
  int reads_ = 0;
};

}  // namespace mirt2::testing
