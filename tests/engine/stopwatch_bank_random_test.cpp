// Random commands and ticks on two clocks that the walk moves: time passes on
// both, the computer sleeps (both jump), and the wall clock alone is set by
// hours, minutes, a day or a fraction of a second, across midnight too. The
// bank sees readings; the model sees the whole of both clocks and holds every
// running stopwatch to what an elapsed time must be:
//
// - within a second of the real time passed since its start, all its hours
//   shown;
// - never less than at the tick before;
// - with the wall clock left alone since the start, the count of wall-clock
//   seconds begun since, as the program has always shown;
// - unchanged from one tick to the next in the same wall-clock second;
// and the tick reads the clocks once, so that stopwatches it starts agree.
// Stopped stopwatches are continued and set back to zero one by one, and a
// continued one keeps to the real time it ran in all. Now and then the
// program comes back on the same boot, its bank taken through its text form
// into a new one, and all of that holds on.
//
// One walker, two paces: a short walk busy with commands and clock changes, in
// both clock formats, and a week of ticks a second apart with commands minutes
// to days apart, so that runs pass several midnights and outlast a day.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "session_state.h"
#include "stopwatch_bank.h"

namespace mirt2 {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;
using std::chrono::seconds;

constexpr long long kDay = 86400;

long long Floored(long long value, long long unit) {
  return value / unit - (value % unit < 0 ? 1 : 0);
}

class WalkedClock final : public Clock {
 public:
  ClockReading Now() override {
    ++reads_;
    const long long second = WallSecond();
    return {static_cast<int>(second - Floored(second, kDay) * kDay), wall_ - seconds(second),
            real_};
  }
  [[nodiscard]] long long WallSecond() const { return Floored(wall_.count(), 1'000'000'000); }
  nanoseconds wall_ = std::chrono::hours(5 * 24 + 9);
  nanoseconds real_ = std::chrono::hours(1);
  int reads_ = 0;
};

// A time of day, or in 24-hour form an elapsed time with all its hours.
std::string Format(long long seconds, bool twelve_hour) {
  const long long v = seconds;
  const long long h = v / 3600;
  char text[32];
  if (twelve_hour) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld %s", h % 12 == 0 ? 12 : h % 12,
                  v / 60 % 60, v % 60, h < 12 ? "AM" : "PM");
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, v / 60 % 60, v % 60);
  }
  return text;
}

enum class State { kStopped, kArmed, kRunning };

struct Stopwatch {
  State state = State::kStopped;
  nanoseconds start_real{};
  long long start_wall_second = 0;
  bool wall_set = false;  // since the start
  long long shown = 0;    // whole seconds at the last tick, days included
  std::string text = "00:00:00";
  nanoseconds ran{};       // stopped: the real time it ran, up to the tick before the stop
  bool continued = false;  // since the last tick
};

// How often, one in so many ticks, each thing happens between two ticks.
struct Pace {
  const char* name;
  const char* pattern;
  long long ticks;
  int mean_ms;      // between two ticks
  int command;      // a command to one stopwatch, the lower numbers far more often
  int all_command;  // start, stop or reset all, or the load handler's clear
  int clock_set;    // the wall clock set, or the computer asleep
  int min_midnights;
  int comeback;  // the program comes back on the same boot
};

void PrintTo(const Pace& pace, std::ostream* out) {
  *out << pace.name;
}

class RandomBankTest : public ::testing::TestWithParam<Pace> {};

TEST_P(RandomBankTest, ElapsedTimesKeepToRealTimeThroughClockChangesAndMidnights) {
  const Pace& pace = GetParam();
  const bool twelve_hour = std::string(pace.pattern).find('t') != std::string::npos;
  constexpr unsigned kSeed = 20261207;
  std::mt19937 rng(kSeed);
  WalkedClock clock;
  const TimePattern pattern = *TimePattern::Compile(pace.pattern);
  auto bank = std::make_unique<StopwatchBank>(clock, pattern);
  auto pick = [&rng](long long low, long long high) {
    return std::uniform_int_distribution<long long>(low, high)(rng);
  };
  auto one_in = [&pick](int n) { return pick(1, n) == 1; };

  std::array<Stopwatch, kStopwatchCount> runs{};
  std::string str_jikan = "00:00:00";
  bool start_time_set = false;
  int midnights = 0;
  int clock_sets = 0;
  int comebacks = 0;
  long long longest_run = 0;
  long long last_tick_second = clock.WallSecond();
  nanoseconds last_tick_real = clock.real_;
  bool set_since_last_tick = false;

  std::string failure;
  auto fail = [&failure](const std::string& what) {
    if (failure.empty()) failure = what;
  };
  auto start_one = [&](int i) {
    bool any_running = false;
    for (const Stopwatch& r : runs) any_running = any_running || r.state != State::kStopped;
    const long long second = clock.WallSecond();
    bank->StartOne(i);
    Stopwatch& r = runs[static_cast<std::size_t>(i - 1)];
    if (r.state == State::kRunning) r.ran = std::max(r.ran, last_tick_real - r.start_real);
    if (!any_running) {
      str_jikan = Format(second - Floored(second, kDay) * kDay, twelve_hour);
      start_time_set = true;
    }
    r.state = State::kArmed;
  };
  // A stop keeps the real time it ran up to the tick before; one armed, or continued since that
  // tick, keeps what it had.
  auto stop = [&last_tick_real](Stopwatch& r) {
    if (r.state == State::kRunning) r.ran = std::max(r.ran, last_tick_real - r.start_real);
    r.state = State::kStopped;
  };
  // Whether the wall clock was set, rather than both clocks run on.
  auto change_clock = [&] {
    ++clock_sets;
    const long long into_day = clock.WallSecond() - Floored(clock.WallSecond(), kDay) * kDay;
    switch (pick(0, 7)) {
      case 0:  // summer time, either way
        clock.wall_ += std::chrono::hours(one_in(2) ? 1 : -1);
        break;
      case 1:  // a time zone
        clock.wall_ += std::chrono::hours(pick(-12, 12));
        break;
      case 2:  // by hand
        clock.wall_ += std::chrono::minutes(pick(-15, 15));
        break;
      case 3:
        clock.wall_ += std::chrono::hours(one_in(2) ? 24 : -24);
        break;
      case 4:  // a time service, by a fraction of a second
      case 5:
        clock.wall_ += milliseconds(pick(10, 990) * (one_in(2) ? 1 : -1));
        break;
      case 6:  // to just before midnight, or back across it
        clock.wall_ +=
            seconds(into_day > kDay / 2 ? kDay - into_day - pick(1, 5) : -into_day - pick(1, 120));
        break;
      default: {  // asleep: both clocks run on, and no tick sees it
        const nanoseconds asleep = seconds(pick(1, 7200));
        clock.wall_ += asleep;
        clock.real_ += asleep;
        return false;
      }
    }
    return true;
  };

  long long tick = 0;
  for (; tick < pace.ticks && failure.empty(); ++tick) {
    // Between two ticks: time passes, the clock may be set, the user clicks.
    const nanoseconds passing = milliseconds(pick(0, 2 * pace.mean_ms));
    clock.wall_ += passing;
    clock.real_ += passing;
    if (one_in(pace.clock_set) && change_clock()) {
      set_since_last_tick = true;
      for (Stopwatch& r : runs) r.wall_set = true;
    }
    if (one_in(pace.command)) {
      int i = 1;
      while (i < kStopwatchCount && one_in(2)) ++i;
      Stopwatch& r = runs[static_cast<std::size_t>(i - 1)];
      const long long which = pick(0, 5);
      if (which < 2) {
        start_one(i);
      } else if (which < 4) {
        bank->StopOne(i);
        stop(r);
      } else if (which == 4) {
        bank->ContinueOne(i);
        if (r.state == State::kStopped && r.text != "00:00:00") {
          r.state = State::kRunning;
          r.start_real = clock.real_ - r.ran;
          r.wall_set = true;
          r.continued = true;
        }
      } else {
        bank->ResetOne(i);
        r = Stopwatch{};
      }
    }
    if (one_in(pace.all_command)) {
      const long long which = pick(0, 3);
      if (which == 0) {
        const long long second = clock.WallSecond();
        bank->StartAll();
        str_jikan = Format(second - Floored(second, kDay) * kDay, twelve_hour);
        start_time_set = true;
        for (Stopwatch& r : runs) {
          r.state = State::kArmed;
          r.text = "00:00:00";
        }
      } else if (which == 1) {
        bank->StopAll();
        for (Stopwatch& r : runs) stop(r);
      } else if (which == 2) {
        bank->ResetAll();
        str_jikan = "00:00:00";
        start_time_set = false;
        for (Stopwatch& r : runs) {
          r.state = State::kStopped;
          r.text = "00:00:00";
        }
      } else {
        bank->ClearSwitches();
        for (Stopwatch& r : runs) stop(r);
      }
    }

    clock.reads_ = 0;
    bank->Tick();
    if (clock.reads_ != 1)
      fail("the tick read the clocks " + std::to_string(clock.reads_) + " times");
    const long long second = clock.WallSecond();
    if (Floored(second, kDay) != Floored(last_tick_second, kDay)) ++midnights;
    const bool same_second = second == last_tick_second && !set_since_last_tick;
    last_tick_second = second;
    last_tick_real = clock.real_;
    set_since_last_tick = false;
    if (!start_time_set) {
      for (Stopwatch& r : runs) r.text = "00:00:00";
    }

    for (std::size_t s = 0; s < kStopwatchCount && failure.empty(); ++s) {
      Stopwatch& r = runs[s];
      const int i = static_cast<int>(s) + 1;
      const std::string& shown_text = bank->JikanText(i);
      std::ostringstream where;
      where << "stopwatch " << i << " shows \"" << shown_text << "\"";
      if (r.state == State::kStopped) {
        if (shown_text != r.text) fail(where.str() + ", stopped at \"" + r.text + "\"");
        continue;
      }
      const bool armed = r.state == State::kArmed;
      const bool started = armed || r.continued;
      r.continued = false;
      if (armed) r = Stopwatch{State::kRunning, clock.real_, second, false, 0, ""};
      int h = 0;
      int m = 0;
      int sec = 0;
      char rest = 0;
      if (std::sscanf(shown_text.c_str(), "%d:%2d:%2d%c", &h, &m, &sec, &rest) != 3 ||
          Format(h * 3600LL + m * 60 + sec, false) != shown_text) {
        fail(where.str() + ", not an elapsed time");
        continue;
      }
      const long long total = h * 3600LL + m * 60 + sec;
      const nanoseconds real = clock.real_ - r.start_real;
      longest_run = std::max(longest_run, total);
      where << " after " << real.count() / 1e9 << " s of real time";
      // Within a second, and the 2 ms twice over by which the bank lets the
      // clocks disagree before it follows the wall clock's new seconds.
      if (std::chrono::abs(seconds(total) - real) >= seconds(1) + milliseconds(4)) {
        fail(where.str());
      }
      if (total < r.shown) fail(where.str() + ", down from " + std::to_string(r.shown));
      if (!r.wall_set && total != second - r.start_wall_second) {
        fail(where.str() + ", the wall clock untouched " +
             std::to_string(second - r.start_wall_second) + " s");
      }
      if (same_second && !started && shown_text != r.text) {
        fail(where.str() + ", \"" + r.text + "\" at the tick before in the same second");
      }
      r.shown = total;
      r.text = shown_text;
    }
    if (bank->StrJikanText() != str_jikan) fail("start time \"" + bank->StrJikanText() + "\"");
    const long long of_day = second - Floored(second, kDay) * kDay;
    if (bank->ImaJikanText() != Format(of_day, twelve_hour)) {
      fail("current time \"" + bank->ImaJikanText() + "\"");
    }
    for (int i = 1; i <= kStopwatchCount; ++i) {
      const State st = runs[static_cast<std::size_t>(i - 1)].state;
      if (bank->SwithT(i) != (st != State::kStopped) || bank->SwithJ(i)) {
        fail("flags of stopwatch " + std::to_string(i));
      }
    }
    if (one_in(pace.comeback)) {
      ++comebacks;
      SessionState saved;
      saved.bank = bank->Snapshot();
      saved.moment.real = clock.real_;
      const DecodedState decoded = DecodeSessionState(EncodeSessionState(saved));
      if (!decoded.state) fail("a comeback refused: " + decoded.problem);
      bank = std::make_unique<StopwatchBank>(clock, pattern);
      // As the window does, it shows the times at once.
      bank->Restore(decoded.state->bank, nanoseconds(0));
      bank->Tick();
      // A new run starts counting afresh from the starts it was given.
      for (Stopwatch& r : runs) r.shown = 0;
      set_since_last_tick = true;
    }
  }
  ASSERT_TRUE(failure.empty()) << "seed " << kSeed << ", tick " << tick - 1 << ": " << failure;
  EXPECT_GE(midnights, pace.min_midnights) << "the walk should cross midnights";
  EXPECT_GT(clock_sets, 20) << "the walk should set the clock";
  EXPECT_GT(comebacks, 20) << "the program should come back";
  if (pace.ticks > 20 * kDay) {
    EXPECT_GT(longest_run, kDay) << "some run should outlast a day";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paces, RandomBankTest,
    ::testing::Values(Pace{"TwentyFourHour", "H:mm:ss", 100'000, 400, 2, 25, 40, 20, 500},
                      Pace{"TwelveHour", "h:mm:ss tt", 100'000, 400, 2, 25, 40, 20, 500},
                      Pace{"AWeekOfTicks", "H:mm:ss", 7 * kDay, 1'000, 300, 150'000, 6'000, 7,
                           20'000}),
    [](const ::testing::TestParamInfo<Pace>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirt2
