// Random commands and ticks against a model written from the stopwatch state
// tables, on a clock that runs on in absolute seconds (days included) and jumps
// forward, back and across midnight. The bank sees only times of day; the model
// sees the whole clock, so a wrong midnight guess shows as a wrong text.
//
// One walker, two paces: a short walk busy with commands, in both clock
// formats, and a week of 100 ms ticks with commands minutes to days apart, so
// that runs pass several midnights. A week is millions of ticks: the checks
// are plain comparisons that stop at the first disagreement.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "stopwatch_bank.h"

namespace mirt2 {
namespace {

constexpr long long kDay = 86400;

long long TimeOfDay(long long absolute) {
  return ((absolute % kDay) + kDay) % kDay;
}

// Reads an absolute clock; a read may tick the second on, as a real clock can
// between two reads of one tick.
class WanderingClock final : public Clock {
 public:
  WanderingClock(std::mt19937& rng, int wander) : rng_(rng), wander_(wander) {}
  int Time() override {
    if (std::uniform_int_distribution<int>(1, wander_)(rng_) == 1) ++absolute_;
    log_.push_back(absolute_);
    return static_cast<int>(TimeOfDay(absolute_));
  }
  long long absolute_ = 5 * kDay + 9 * 3600;
  std::vector<long long> log_;

 private:
  std::mt19937& rng_;
  int wander_;
};

std::string Format(long long seconds_of_day, bool twelve_hour) {
  const long long v = seconds_of_day;
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

// A text the model expects, formatted again only when its value changes.
class Expected {
 public:
  void Zero() { Set(-1, false); }
  void Set(long long seconds_of_day, bool twelve_hour) {
    if (seconds_of_day == value_) return;
    value_ = seconds_of_day;
    text_ = value_ < 0 ? "00:00:00" : Format(value_, twelve_hour);
  }
  [[nodiscard]] const std::string& Text() const { return text_; }

 private:
  long long value_ = -1;
  std::string text_ = "00:00:00";
};

enum class State { kStopped, kArmed, kRunning };

// How often, one in so many ticks, each thing happens between two ticks.
struct Pace {
  const char* name;
  const char* pattern;
  long long ticks;
  int second_on;      // the clock moves on a second
  int read_moves_on;  // a reading of the clock finds it a second on
  int command;        // a command to one stopwatch, the lower numbers far more often
  int all_command;    // start, stop or reset all, or the load handler's clear
  int clock_set;      // an hour either way, to just before midnight or back across it
  int min_midnights;
};

void PrintTo(const Pace& pace, std::ostream* out) {
  *out << pace.name;
}

class RandomBankTest : public ::testing::TestWithParam<Pace> {};

TEST_P(RandomBankTest, AgreesWithTheModelThroughJumpsAndMidnights) {
  const Pace& pace = GetParam();
  const bool twelve_hour = std::string(pace.pattern).find('t') != std::string::npos;
  constexpr unsigned kSeed = 20261207;
  std::mt19937 rng(kSeed);
  WanderingClock clock(rng, pace.read_moves_on);
  StopwatchBank bank(clock, *TimePattern::Compile(pace.pattern));
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  auto one_in = [&pick](int n) { return pick(1, n) == 1; };

  std::array<State, kStopwatchCount> state{};
  std::array<long long, kStopwatchCount> start{};
  std::array<Expected, kStopwatchCount> jikan;
  Expected str_jikan;
  Expected ima_jikan;
  bool start_time_set = false;
  int midnights = 0;
  long long longest_run = 0;
  long long last_tick_day = clock.absolute_ / kDay;

  std::string failure;
  auto expect = [&](const std::string& shown, const std::string& want, const char* what, int i) {
    if (!failure.empty() || shown == want) return;
    std::ostringstream out;
    out << what << (i > 0 ? " " + std::to_string(i) : "") << " shows \"" << shown << "\", want \""
        << want << "\"";
    failure = out.str();
  };
  auto start_one = [&](int i) {
    bool any_running = false;
    for (State st : state) any_running = any_running || st != State::kStopped;
    clock.log_.clear();
    bank.StartOne(i);
    if (!any_running) {
      str_jikan.Set(TimeOfDay(clock.log_.at(0)), twelve_hour);
      start_time_set = true;
    }
    state[static_cast<std::size_t>(i - 1)] = State::kArmed;
  };

  long long tick = 0;
  for (; tick < pace.ticks && failure.empty(); ++tick) {
    // Between two ticks: the clock moves on or is set, and the user clicks.
    // No change between two ticks reaches twelve hours, as no real one does.
    if (one_in(pace.second_on)) ++clock.absolute_;
    if (one_in(pace.clock_set)) {
      const long long day_start = clock.absolute_ - TimeOfDay(clock.absolute_);
      const int how = pick(0, 4);
      if (how < 2) {
        clock.absolute_ += 3600 * (how == 0 ? 1 : -1);
      } else if (how < 4) {
        const long long midnight = day_start + kDay;
        clock.absolute_ = midnight - clock.absolute_ < 6 * 3600 ? midnight - pick(0, 3)
                                                                : clock.absolute_ + 6 * 3600;
      } else {
        clock.absolute_ =
            clock.absolute_ - day_start < 3600 ? day_start - pick(1, 120) : clock.absolute_ - 3600;
      }
    }
    if (one_in(pace.command)) {
      // Stopwatch 1 takes half the commands, 2 a quarter, and so on: the high
      // numbers run for days.
      int i = 1;
      while (i < kStopwatchCount && one_in(2)) ++i;
      if (one_in(2)) {
        start_one(i);
      } else {
        bank.StopOne(i);
        state[static_cast<std::size_t>(i - 1)] = State::kStopped;
      }
    }
    if (one_in(pace.all_command)) {
      const int which = pick(0, 3);
      clock.log_.clear();
      if (which == 0) {
        bank.StartAll();
        str_jikan.Set(TimeOfDay(clock.log_.at(0)), twelve_hour);
        start_time_set = true;
        for (Expected& e : jikan) e.Zero();
        state.fill(State::kArmed);
      } else if (which == 1) {
        bank.StopAll();
        state.fill(State::kStopped);
      } else if (which == 2) {
        bank.ResetAll();
        str_jikan.Zero();
        start_time_set = false;
        for (Expected& e : jikan) e.Zero();
        state.fill(State::kStopped);
      } else {
        bank.ClearSwitches();
        state.fill(State::kStopped);
      }
    }

    // The tick: now is the first reading; each armed stopwatch takes the next.
    clock.log_.clear();
    bank.Tick();
    const long long now = clock.log_.at(0);
    if (now / kDay != last_tick_day) ++midnights;
    last_tick_day = now / kDay;
    ima_jikan.Set(TimeOfDay(now), twelve_hour);
    std::size_t reading = 1;
    for (std::size_t s = 0; s < kStopwatchCount; ++s) {
      if (state[s] == State::kArmed) start[s] = clock.log_.at(reading++);
    }
    if (reading != clock.log_.size()) failure = "more clock readings than armed stopwatches";
    if (!start_time_set) {
      for (Expected& e : jikan) e.Zero();
    }
    for (std::size_t s = 0; s < kStopwatchCount; ++s) {
      if (state[s] == State::kStopped) continue;
      const long long run = std::llabs(now - start[s]);
      longest_run = std::max(longest_run, run);
      jikan[s].Set(run % kDay, false);
      state[s] = State::kRunning;
    }

    expect(bank.StrJikanText(), str_jikan.Text(), "start time", 0);
    expect(bank.ImaJikanText(), ima_jikan.Text(), "current time", 0);
    for (int i = 1; i <= kStopwatchCount; ++i) {
      const auto s = static_cast<std::size_t>(i - 1);
      expect(bank.JikanText(i), jikan[s].Text(), "stopwatch", i);
      const bool t = state[s] != State::kStopped;
      const bool j = state[s] == State::kArmed;
      if (failure.empty() && (bank.SwithT(i) != t || bank.SwithJ(i) != j)) {
        failure = "flags of stopwatch " + std::to_string(i);
      }
    }
  }
  ASSERT_TRUE(failure.empty()) << "seed " << kSeed << ", tick " << tick - 1 << ": " << failure;
  EXPECT_GE(midnights, pace.min_midnights) << "the walk should cross midnights";
  if (pace.ticks > 20 * kDay) {
    EXPECT_GT(longest_run, kDay) << "some run should outlast a day";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paces, RandomBankTest,
    ::testing::Values(Pace{"TwentyFourHour", "H:mm:ss", 100'000, 2, 10, 2, 25, 40, 20},
                      Pace{"TwelveHour", "h:mm:ss tt", 100'000, 2, 10, 2, 25, 40, 20},
                      Pace{"AWeekOfTicks", "H:mm:ss", 7 * 10 * kDay, 10, 1'000, 3'000, 1'500'000,
                           60'000, 7}),
    [](const ::testing::TestParamInfo<Pace>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirt2
