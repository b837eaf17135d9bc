// A week of 100 ms ticks on a clock that knows the date, with stopwatches
// started and stopped at random, midnights crossed as they come and the clock
// set an hour forward or back now and then. The bank sees only times of day;
// the test keeps the whole clock, so any slip in the bank's midnight rule shows
// as a wrong elapsed text on the tick where it happens.
//
// Millions of ticks: the checks are plain comparisons that note the first
// disagreement and stop, rather than an assertion macro per tick.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "stopwatch_bank.h"

#ifndef MIRT2_SOAK_DAYS
#define MIRT2_SOAK_DAYS 7
#endif

namespace mirt2 {
namespace {

constexpr long long kDay = 86400;
constexpr long long kTicksPerSecond = 10;
constexpr long long kTicksPerDay = kDay * kTicksPerSecond;
constexpr long long kHour = 3600;
constexpr std::string_view kZero = "00:00:00";

long long TimeOfDay(long long absolute) {
  return ((absolute % kDay) + kDay) % kDay;
}

// H:mm:ss of a value below one day, written without the bank's formatter.
struct Hms {
  explicit Hms(long long seconds) {
    const auto h = static_cast<int>(seconds / 3600);
    const auto m = static_cast<int>(seconds / 60 % 60);
    const auto s = static_cast<int>(seconds % 60);
    if (h >= 10) text[size++] = static_cast<char>('0' + h / 10);
    text[size++] = static_cast<char>('0' + h % 10);
    text[size++] = ':';
    text[size++] = static_cast<char>('0' + m / 10);
    text[size++] = static_cast<char>('0' + m % 10);
    text[size++] = ':';
    text[size++] = static_cast<char>('0' + s / 10);
    text[size++] = static_cast<char>('0' + s % 10);
  }
  [[nodiscard]] std::string_view View() const { return {text.data(), size}; }
  std::array<char, 8> text{};
  std::size_t size = 0;
};

// An absolute clock in seconds, date included. It logs the readings of one
// tick so that the test learns which second each start took, and can move on
// a second right after the first reading of a tick, as a real clock may.
class CalendarClock final : public Clock {
 public:
  int Time() override {
    const long long value = absolute;
    if (reads < log.size()) log[reads] = value;
    ++reads;
    if (advance_after_first_read && reads == 1) {
      ++absolute;
      advance_after_first_read = false;
    }
    return static_cast<int>(TimeOfDay(value));
  }
  void BeginTick() { reads = 0; }

  long long absolute = 200 * kDay + 9 * kHour;
  bool advance_after_first_read = false;
  std::array<long long, 1 + kStopwatchCount> log{};
  std::size_t reads = 0;
};

enum class State : std::uint8_t { kStopped, kArmed, kRunning };

TEST(StopwatchBankSoakTest, AWeekOfTicksAgreesWithTheCalendarClock) {
  constexpr std::uint64_t kSeed = 0x5EED'2026'1207ULL;
  constexpr long long kTicks = MIRT2_SOAK_DAYS * kTicksPerDay;
  // Mean ticks between commands to each stopwatch, from seconds to days, so
  // that some runs stay short and some pass several midnights.
  constexpr std::array<long long, kStopwatchCount> kMeanGap = {
      50, 200, 600, 3'000, 12'000, 36'000, 144'000, 600'000, 1'728'000, 4'320'000};
  constexpr long long kStartAllGap = 2 * kTicksPerDay;
  constexpr long long kStopAllGap = 4 * kTicksPerDay;
  constexpr long long kResetAllGap = 4 * kTicksPerDay;
  constexpr long long kJumpGap = 2 * kHour * kTicksPerSecond;

  std::mt19937_64 rng(kSeed);
  auto after = [&rng](long long tick, long long mean) {
    return tick + std::uniform_int_distribution<long long>(1, 2 * mean)(rng);
  };
  auto coin = [&rng](int one_in) {
    return std::uniform_int_distribution<int>(1, one_in)(rng) == 1;
  };

  CalendarClock clock;
  StopwatchBank bank(clock, TimePattern::Default());
  bank.ClearSwitches();

  std::array<State, kStopwatchCount> state{};
  std::array<long long, kStopwatchCount> start{};
  // The elapsed seconds each text should show; -1 for the fixed zero text.
  std::array<long long, kStopwatchCount> shown{};
  shown.fill(-1);
  bool start_time_set = false;

  std::array<long long, kStopwatchCount> next_command{};
  for (int s = 0; s < kStopwatchCount; ++s) next_command[s] = after(0, kMeanGap[s]);
  long long next_start_all = after(0, kStartAllGap);
  long long next_stop_all = after(0, kStopAllGap);
  long long next_reset_all = after(0, kResetAllGap);
  long long next_jump = after(0, kJumpGap);
  // Once a day the clock is set an hour on or back across midnight, so that
  // the bank also meets midnights that a change of the clock crosses.
  long long midnight_setting_done_on = -1;

  std::string failure;
  long long failed_tick = -1;
  auto fail = [&](long long tick, const std::string& what) {
    std::ostringstream out;
    out << "seed 0x" << std::hex << kSeed << std::dec << ", tick " << tick << " (clock "
        << clock.absolute / kDay << "d " << Hms(TimeOfDay(clock.absolute)).View() << "): " << what;
    failure = out.str();
    failed_tick = tick;
  };
  auto any_running = [&state] {
    for (State st : state) {
      if (st != State::kStopped) return true;
    }
    return false;
  };
  auto flags_agree = [&](int i) {
    const bool t = bank.SwithT(i);
    const bool j = bank.SwithJ(i);
    const State st = state[static_cast<std::size_t>(i - 1)];
    return (!j || t) && t == (st != State::kStopped) && j == (st == State::kArmed);
  };
  auto expect_flags = [&](long long tick) {
    for (int i = 1; i <= kStopwatchCount; ++i) {
      if (!flags_agree(i)) {
        fail(tick, "flags of stopwatch " + std::to_string(i) + ": SwithT " +
                       std::to_string(bank.SwithT(i)) + ", SwithJ " +
                       std::to_string(bank.SwithJ(i)));
        return;
      }
    }
  };
  auto expect_start_text = [&](long long tick) {
    const Hms want(TimeOfDay(clock.absolute));
    if (bank.StrJikanText() != want.View()) {
      fail(tick, "start time " + bank.StrJikanText() + ", want " + std::string(want.View()));
    }
  };

  long long midnights = 0;
  long long midnights_by_setting = 0;
  long long midnights_while_running = 0;
  long long longest_run = 0;
  long long commands = 0;
  long long commands_before_tick = 0;
  long long starts_across_midnight = 0;
  long long last_day = clock.absolute / kDay;

  for (long long tick = 0; tick < kTicks && failed_tick < 0; ++tick) {
    // Between two ticks: the clock moves on, is set, and the user clicks.
    if (tick % kTicksPerSecond == 0) {
      if (TimeOfDay(clock.absolute) == kDay - 1 || coin(4)) {
        clock.advance_after_first_read = true;
      } else {
        ++clock.absolute;
      }
    }
    bool set_by_hand = false;
    if (tick >= next_jump) {
      clock.absolute += coin(2) ? kHour : -kHour;
      next_jump = after(tick, kJumpGap);
      set_by_hand = true;
    }
    const long long today = clock.absolute / kDay;
    if (today != midnight_setting_done_on) {
      const long long time_of_day = TimeOfDay(clock.absolute);
      if (today % 2 == 0 && time_of_day >= kDay - kHour + 60) {
        // From 23:01 on, an hour on lands past midnight.
        clock.absolute += kHour;
        midnight_setting_done_on = today;
        set_by_hand = true;
      } else if (today % 2 == 1 && time_of_day == 30 * 60) {
        // At 0:30 an hour back lands before midnight, which then comes again.
        clock.absolute -= kHour;
        midnight_setting_done_on = today;
        set_by_hand = true;
      }
    }

    auto start_one = [&](int s) {
      ++commands;
      const bool was_running = any_running();
      bank.StartOne(s + 1);
      state[s] = State::kArmed;
      if (!was_running) {
        start_time_set = true;
        expect_start_text(tick);
      }
    };
    if (clock.advance_after_first_read && TimeOfDay(clock.absolute) == kDay - 1) {
      // A start in the last moment before midnight whose start reading falls
      // after it, while the same tick's current time is still the day before.
      start_one(static_cast<int>(std::uniform_int_distribution<int>(0, kStopwatchCount - 1)(rng)));
      ++starts_across_midnight;
    }
    for (int s = 0; s < kStopwatchCount && failed_tick < 0; ++s) {
      if (tick < next_command[s]) continue;
      next_command[s] = after(tick, kMeanGap[s]);
      if (state[s] != State::kStopped && coin(2)) {
        ++commands;
        bank.StopOne(s + 1);
        state[s] = State::kStopped;
        continue;
      }
      start_one(s);
    }
    if (tick >= next_start_all) {
      next_start_all = after(tick, kStartAllGap);
      ++commands;
      bank.StartAll();
      state.fill(State::kArmed);
      shown.fill(-1);
      start_time_set = true;
      expect_start_text(tick);
    }
    if (tick >= next_stop_all) {
      next_stop_all = after(tick, kStopAllGap);
      ++commands;
      bank.StopAll();
      state.fill(State::kStopped);
    }
    if (tick >= next_reset_all) {
      next_reset_all = after(tick, kResetAllGap);
      ++commands;
      bank.ResetAll();
      state.fill(State::kStopped);
      shown.fill(-1);
      start_time_set = false;
      if (bank.StrJikanText() != kZero) fail(tick, "start time not cleared by reset");
    }
    if (commands != commands_before_tick) {
      commands_before_tick = commands;
      expect_flags(tick);
    }
    if (failed_tick >= 0) break;

    clock.BeginTick();
    bank.Tick();

    // The model's tick: now is the first reading, each armed stopwatch takes
    // the next one in ascending order.
    const long long now = clock.log[0];
    const long long day = now / kDay;
    if (day != last_day) {
      midnights += day > last_day ? day - last_day : last_day - day;
      if (set_by_hand) ++midnights_by_setting;
      if (any_running()) ++midnights_while_running;
      last_day = day;
    }
    std::size_t reading = 1;
    for (int s = 0; s < kStopwatchCount; ++s) {
      if (state[s] != State::kArmed) continue;
      start[s] = clock.log[reading++];
      state[s] = State::kRunning;
    }
    if (clock.reads != reading) {
      fail(tick,
           "clock read " + std::to_string(clock.reads) + " times, want " + std::to_string(reading));
      break;
    }
    if (!start_time_set) shown.fill(-1);
    for (int s = 0; s < kStopwatchCount; ++s) {
      if (state[s] == State::kStopped) continue;
      const long long difference = std::llabs(now - start[s]);
      if (difference > longest_run) longest_run = difference;
      shown[s] = difference % kDay;
    }

    const Hms now_text(TimeOfDay(now));
    if (bank.ImaJikanText() != now_text.View()) {
      fail(tick, "current time " + bank.ImaJikanText() + ", want " + std::string(now_text.View()));
      break;
    }
    for (int s = 0; s < kStopwatchCount; ++s) {
      const int i = s + 1;
      const std::string& text = bank.JikanText(i);
      const bool matches = shown[s] < 0 ? text == kZero : text == Hms(shown[s]).View();
      if (matches && flags_agree(i)) continue;
      std::ostringstream what;
      what << "stopwatch " << i << " shows " << text << ", want "
           << (shown[s] < 0 ? kZero : Hms(shown[s]).View()) << "; SwithT " << bank.SwithT(i)
           << ", SwithJ " << bank.SwithJ(i) << ", model state " << static_cast<int>(state[s])
           << ", started at " << start[s] / kDay << "d " << Hms(TimeOfDay(start[s])).View();
      fail(tick, what.str());
      break;
    }
  }

  ASSERT_LT(failed_tick, 0) << failure;
  // The walk must have met what it is here for.
  EXPECT_GE(midnights, MIRT2_SOAK_DAYS) << "seed 0x" << std::hex << kSeed;
  EXPECT_GE(midnights_by_setting, 1) << "seed 0x" << std::hex << kSeed;
  EXPECT_GE(midnights_while_running, MIRT2_SOAK_DAYS / 2) << "seed 0x" << std::hex << kSeed;
  EXPECT_GE(starts_across_midnight, 1) << "seed 0x" << std::hex << kSeed;
  if (MIRT2_SOAK_DAYS >= 3) {
    EXPECT_GT(longest_run, kDay) << "some run should outlast a day; seed 0x" << std::hex << kSeed;
  }
  RecordProperty("commands", std::to_string(commands));
  RecordProperty("midnights", std::to_string(midnights));
  RecordProperty("longest_run_seconds", std::to_string(longest_run));
}

}  // namespace
}  // namespace mirt2
