// Random commands and ticks against a model written from the stopwatch state
// tables, on a clock that runs on in absolute seconds (days included) and jumps
// forward, back and across midnight. The bank sees only times of day; the model
// sees the whole clock, so a wrong midnight guess shows as a wrong text.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "stopwatch_bank.h"

namespace mirt2 {
namespace {

constexpr long long kDay = 86400;

// Reads an absolute clock; each read may tick the second on, as a real clock can.
class WanderingClock final : public Clock {
 public:
  explicit WanderingClock(std::mt19937& rng) : rng_(rng) {}
  int Time() override {
    if (std::uniform_int_distribution<int>(0, 9)(rng_) == 0) ++absolute_;
    log_.push_back(absolute_);
    return static_cast<int>(((absolute_ % kDay) + kDay) % kDay);
  }
  long long absolute_ = 5 * kDay + 9 * 3600;
  std::vector<long long> log_;

 private:
  std::mt19937& rng_;
};

enum class State { kStopped, kArmed, kRunning };

struct Model {
  std::array<State, kStopwatchCount> state{};
  std::array<long long, kStopwatchCount> start{};
  std::string str_jikan = "00:00:00";
  std::string ima_jikan = "00:00:00";
  std::array<std::string, kStopwatchCount> jikan;
  Model() { jikan.fill("00:00:00"); }
};

std::string TimeOfDay(long long absolute, bool twelve_hour) {
  const long long v = ((absolute % kDay) + kDay) % kDay;
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

std::string Elapsed(long long seconds) {
  return TimeOfDay(std::llabs(seconds) % kDay, false);
}

class RandomBankTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RandomBankTest, AgreesWithTheModelThroughJumpsAndMidnights) {
  const bool twelve_hour = std::string(GetParam()).find('t') != std::string::npos;
  constexpr unsigned kSeed = 20261207;
  constexpr int kSteps = 100'000;
  std::mt19937 rng(kSeed);
  WanderingClock clock(rng);
  StopwatchBank bank(clock, *TimePattern::Compile(GetParam()));
  Model model;
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };

  int midnights = 0;
  long long last_tick_day = clock.absolute_ / kDay;
  for (int step = 0; step < kSteps; ++step) {
    SCOPED_TRACE(::testing::Message() << "seed " << kSeed << ", step " << step);
    const Model before = model;
    const int dice = pick(0, 99);
    clock.log_.clear();
    ChangedTexts changed;

    if (dice < 55) {
      // Between ticks the clock runs on, and sometimes is set or crosses midnight.
      // No change between two ticks reaches twelve hours, as no real one does.
      const int jump = pick(0, 199);
      const long long day_start = clock.absolute_ - ((clock.absolute_ % kDay) + kDay) % kDay;
      if (jump < 2) {
        clock.absolute_ += 3600 * (jump == 0 ? 1 : -1);
      } else if (jump < 4) {
        const long long midnight = day_start + kDay;
        if (midnight - clock.absolute_ < 6 * 3600) {
          clock.absolute_ = midnight - pick(0, 3);
        } else {
          clock.absolute_ += 6 * 3600;
        }
      } else if (jump < 5) {
        // Set back across midnight when just past one, else an hour back.
        clock.absolute_ =
            clock.absolute_ - day_start < 3600 ? day_start - pick(1, 120) : clock.absolute_ - 3600;
      } else {
        clock.absolute_ += pick(0, 1);
      }
      changed = bank.Tick();
      ASSERT_GE(clock.log_.size(), 1U);
      const long long now = clock.log_[0];
      if (now / kDay != last_tick_day) ++midnights;
      last_tick_day = now / kDay;
      model.ima_jikan = TimeOfDay(now, twelve_hour);
      std::size_t reading = 1;
      for (int s = 0; s < kStopwatchCount; ++s) {
        if (model.state[s] == State::kArmed) model.start[s] = clock.log_.at(reading++);
      }
      ASSERT_EQ(reading, clock.log_.size()) << "one reading per armed stopwatch, no more";
      if (model.str_jikan == "00:00:00") model.jikan.fill("00:00:00");
      for (int s = 0; s < kStopwatchCount; ++s) {
        if (model.state[s] == State::kStopped) continue;
        model.jikan[s] = Elapsed(now - model.start[s]);
        model.state[s] = State::kRunning;
      }
    } else if (dice < 75) {
      const int i = pick(1, kStopwatchCount);
      bool any_running = false;
      for (State st : model.state) any_running = any_running || st != State::kStopped;
      changed = bank.StartOne(i);
      if (!any_running) model.str_jikan = TimeOfDay(clock.log_.at(0), twelve_hour);
      model.state[i - 1] = State::kArmed;
    } else if (dice < 90) {
      const int i = pick(1, kStopwatchCount);
      changed = bank.StopOne(i);
      model.state[i - 1] = State::kStopped;
    } else if (dice < 94) {
      changed = bank.StartAll();
      model.str_jikan = TimeOfDay(clock.log_.at(0), twelve_hour);
      model.jikan.fill("00:00:00");
      model.state.fill(State::kArmed);
    } else if (dice < 97) {
      changed = bank.StopAll();
      model.state.fill(State::kStopped);
    } else if (dice < 99) {
      changed = bank.ResetAll();
      model.str_jikan = "00:00:00";
      model.jikan.fill("00:00:00");
      model.state.fill(State::kStopped);
    } else {
      changed = bank.ClearSwitches();
      model.state.fill(State::kStopped);
    }

    ASSERT_EQ(bank.StrJikanText(), model.str_jikan);
    ASSERT_EQ(bank.ImaJikanText(), model.ima_jikan);
    ASSERT_EQ(changed.StrJikan(), model.str_jikan != before.str_jikan);
    ASSERT_EQ(changed.ImaJikan(), model.ima_jikan != before.ima_jikan);
    for (int i = 1; i <= kStopwatchCount; ++i) {
      const auto s = static_cast<std::size_t>(i - 1);
      ASSERT_EQ(bank.JikanText(i), model.jikan[s]) << "stopwatch " << i;
      ASSERT_EQ(changed.Jikan(i), model.jikan[s] != before.jikan[s]) << "stopwatch " << i;
      ASSERT_EQ(bank.SwithT(i), model.state[s] != State::kStopped) << "stopwatch " << i;
      ASSERT_EQ(bank.SwithJ(i), model.state[s] == State::kArmed) << "stopwatch " << i;
      ASSERT_TRUE(!bank.SwithJ(i) || bank.SwithT(i));
    }
  }
  EXPECT_GT(midnights, 20) << "the walk should cross many midnights";
}

INSTANTIATE_TEST_SUITE_P(Patterns, RandomBankTest, ::testing::Values("H:mm:ss", "h:mm:ss tt"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return info.index == 0 ? "TwentyFourHour" : "TwelveHour";
                         });

}  // namespace
}  // namespace mirt2
