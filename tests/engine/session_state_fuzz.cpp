// libFuzzer drives the restore argument's decoder, input from outside the program, and what the
// program then does with a state it accepts: a text of the present form that decodes has one
// spelling, one of the earlier form comes back the same from the present one, and the bank
// takes it at either end of the clocks' ranges without overflowing (UndefinedBehaviorSanitizer
// watches the arithmetic, AddressSanitizer the memory).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "session_state.h"

namespace {

class FixedClock final : public mirt2::Clock {
 public:
  explicit FixedClock(mirt2::ClockReading reading) : reading_(reading) {}
  mirt2::ClockReading Now() override { return reading_; }

 private:
  mirt2::ClockReading reading_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using std::chrono::nanoseconds;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const mirt2::DecodedState decoded = mirt2::DecodeSessionState(text);
  if (!decoded.state) {
    if (decoded.problem.empty()) __builtin_trap();
    return 0;
  }
  const std::string spelled = mirt2::EncodeSessionState(*decoded.state);
  if (text.starts_with("v1,")) {
    if (mirt2::DecodeSessionState(spelled).state != decoded.state) __builtin_trap();
  } else if (spelled != text) {
    __builtin_trap();
  }
  const mirt2::ClockReading readings[] = {
      {0, nanoseconds(0), nanoseconds(0), nanoseconds(0)},
      {86399, nanoseconds(999'999'999), nanoseconds(4'000'000'000'000'000'000),
       nanoseconds(9'000'000'000'000'000'000)},
  };
  for (const mirt2::ClockReading& now : readings) {
    for (std::string_view boot :
         {std::string_view(), std::string_view(decoded.state->moment.boot)}) {
      const auto shift = mirt2::ClockShift(decoded.state->moment, now, boot);
      if (!shift) continue;
      FixedClock clock(now);
      mirt2::StopwatchBank bank(clock, mirt2::TimePattern::Default());
      bank.Restore(decoded.state->bank, *shift);
      bank.Tick();
      if (bank.Snapshot().start_of_day != decoded.state->bank.start_of_day) __builtin_trap();
    }
  }
  return 0;
}
