#include "session_state.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "display_modes.h"

namespace mirt2 {
namespace {

using std::chrono::nanoseconds;
using Kind = StopwatchSnapshot::Kind;

// Mode 5, options ticked after the layout was chosen, moved, two colours chosen and one kept
// in the picker's second slot, 前へ; one stopwatch running since 200 s before the moment saved,
// two stopped, one of them past a day.
const std::string kText =
    "v2.boot=3f1c-aa.real=7200000000000.wall=1796635845000000000.mode=5.options=1.height=4360."
    "left=412.top=-20.start=34200.text=80FFFF.back=112233.picker=112233.custom=FFFFFF112233."
    "front=1.w1=r7000000000000.w2=s65:64700000001.w3=s90061:90061000000000.end";

SessionState TheState() {
  SessionState state;
  state.moment = {"3f1c-aa", nanoseconds(7'200'000'000'000),
                  nanoseconds(1'796'635'845'000'000'000)};
  state.window = {5,        true,         4360,     412,      -20,
                  0x80FFFF, std::nullopt, 0x112233, 0x112233, kNoCustomColours,
                  true,     false};
  state.window.custom_colours[1] = 0x112233;
  state.bank.start_of_day = 9 * 3600 + 30 * 60;
  state.bank.stopwatches[0] = {Kind::kRunning, 0, {}, nanoseconds(7'000'000'000'000)};
  state.bank.stopwatches[1] = {Kind::kStopped, 65, nanoseconds(64'700'000'001), {}};
  state.bank.stopwatches[2] = {Kind::kStopped, 86400 + 3661, std::chrono::seconds(90061), {}};
  return state;
}

// The earlier form, which a session saved before an upgrade holds, for the same state but the
// custom colour; its stopped times are whole seconds.
const std::string kEarlierText =
    "v1,boot=3f1c-aa,real=7200000000000,wall=1796635845000000000,mode=5,options=1,height=4360,"
    "left=412,top=-20,start=34200,text=80FFFF,button=-,back=112233,picker=112233,front=1,"
    "numbered=0,w1=r7000000000000,w2=s65,w3=s90061,w4=z,w5=z,w6=z,w7=z,w8=z,w9=z,w10=z";

TEST(SessionStateTest, HasOneTextFormAndReadsTheEarlierOne) {
  EXPECT_EQ(EncodeSessionState(TheState()), kText);
  EXPECT_EQ(DecodeSessionState(kText).state, TheState());
  SessionState earlier = TheState();
  earlier.window.custom_colours = kNoCustomColours;
  earlier.bank.stopwatches[1].ran = std::chrono::seconds(65);
  EXPECT_EQ(DecodeSessionState(kEarlierText).state, earlier);
  EXPECT_EQ(EncodeSessionState({}), "v2.end") << "a fresh window's state";
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

// Input from outside: anything but a whole state of this version is refused, and says where.
TEST(SessionStateTest, RefusesWhatNoStateIs) {
  const std::string too_long = kText + std::string(10'000, 'a');
  const struct {
    std::string text;
    std::string problem;
  } rows[] = {
      {"", "not a state of this version"},
      {Replaced(kText, "v2.", "v3."), "not a state of this version"},
      {Replaced(kText, "mode=5", "mode=7"), "mode: not 1, 5 or 10"},
      {Replaced(kText, "mode=5", "mode=1"), "mode: left out where it is a fresh window's"},
      {Replaced(kText, ".front=1", ".front=1.numbered=0"), "numbered: left out"},
      {Replaced(kText, ".end", ".w4=z.end"), "w4: left out"},
      {Replaced(kText, "custom=FFFFFF112233", "custom=112233FFFFFF"), "custom: a white slot"},
      {Replaced(kText, "custom=FFFFFF112233", "custom=FFFFF"), "custom: not a list of colours"},
      {Replaced(kText, "mode=5.options=1", "options=1.mode=5"), "end: more follows"},
      {Replaced(kText, "height=4360", "height=04360"), "height: not a number"},
      {Replaced(kText, "w1=r7000000000000", "w1=r7200000000001"), "w1: out of range"},
      {Replaced(kText, "w2=s65:", "w2=s315360000:"), "w2: out of range"},
      {Replaced(kText, "w2=s65:64700000001", "w2=s65"), "w2: not a stopwatch"},
      {Replaced(kText, "w2=s65", "w2=x65"), "w2: not a stopwatch"},
      {Replaced(kText, "text=80FFFF", "text=1000000"), "text: not a colour"},
      {Replaced(kText, "text=80FFFF", "text=80ffff"), "text: not a colour"},
      {Replaced(kText, "start=34200.", ""), "times without a start time"},
      {Replaced(kText, ".end", ""), "end: cut short"},
      {Replaced(kText, "start=34200", "start=86400"), "start: out of range"},
      {Replaced(kText, "boot=3f1c-aa", "boot=\xE3\x81"), "characters no state has"},
      {Replaced(kText, "left=412", "left=2000000"), "left: out of range"},
      {Replaced(kText, ".", ","), "characters no state has"},
      {Replaced(kEarlierText, "mode=5,", ""), "mode: missing"},
      {Replaced(kEarlierText, "picker=112233", "picker=-"), "picker: not a colour"},
      {Replaced(kText, ".end", ".w11=z.end"), "end: more follows"},
      {too_long, "longer than any state"},
  };
  for (const auto& row : rows) {
    const DecodedState decoded = DecodeSessionState(row.text);
    EXPECT_FALSE(decoded.state) << row.text;
    EXPECT_NE(decoded.problem.find(row.problem), std::string::npos)
        << row.text << " gave: " << decoded.problem;
  }
  for (std::size_t cut = 0; cut < kText.size(); ++cut) {
    EXPECT_FALSE(DecodeSessionState(kText.substr(0, cut)).state) << "cut at " << cut;
  }
}

// Any state the window can be in comes back from its text as it was, and fits the command line
// Windows keeps; the widest values often. A stopwatch that came back across a restart may have
// started before this boot's real-time clock began.
TEST(SessionStateTest, EveryStateComesBackFromItsText) {
  std::mt19937_64 rng(20261208);
  auto pick = [&rng](long long low, long long high) {
    if (rng() % 4 == 0) return rng() % 2 == 0 ? low : high;
    return std::uniform_int_distribution<long long>(low, high)(rng);
  };
  auto colour = [&]() -> std::optional<std::uint32_t> {
    if (rng() % 3 == 0) return std::nullopt;
    return static_cast<std::uint32_t>(pick(0, 0xFFFFFF));
  };
  for (int n = 0; n < 20'000; ++n) {
    SessionState state;
    state.moment.boot = std::string(static_cast<std::size_t>(pick(0, 64)), "0a-Z"[rng() % 4]);
    state.moment.real = nanoseconds(pick(0, 1'000'000'000'000'000'000));
    state.moment.wall = nanoseconds(pick(0, 4'000'000'000'000'000'000));
    state.window = {kDisplayModes.at(rng() % kDisplayModeCount).panels,
                    rng() % 2 == 0,
                    static_cast<int>(pick(1000, 9000)),
                    static_cast<int>(pick(-1'000'000, 1'000'000)),
                    static_cast<int>(pick(-1'000'000, 1'000'000)),
                    colour(),
                    colour(),
                    colour(),
                    static_cast<std::uint32_t>(pick(0, 0xFFFFFF)),
                    kNoCustomColours,
                    rng() % 2 == 0,
                    rng() % 2 == 0};
    for (std::uint32_t& custom : state.window.custom_colours) {
      if (rng() % 2 == 0) custom = static_cast<std::uint32_t>(pick(0, 0xFFFFFF));
    }
    if (rng() % 5 != 0) state.bank.start_of_day = static_cast<int>(pick(0, 86399));
    for (StopwatchSnapshot& one : state.bank.stopwatches) {
      if (!state.bank.start_of_day) break;
      switch (rng() % 3) {
        case 0:
          one = {Kind::kStopped,
                 pick(0, 366 * 86400LL),
                 nanoseconds(pick(0, 366 * 86400 * 1'000'000'000LL)),
                 {}};
          break;
        case 1: {
          const long long real = state.moment.real.count();
          one = {
              Kind::kRunning, 0, {}, nanoseconds(pick(real - 366 * 86400 * 1'000'000'000LL, real))};
          break;
        }
        default:
          break;
      }
    }
    const std::string text = EncodeSessionState(state);
    ASSERT_LE(text.size(), 1024 - std::string("--restore ").size()) << text;
    ASSERT_EQ(text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                     "0123456789-.:="),
              std::string::npos)
        << text;
    const DecodedState decoded = DecodeSessionState(text);
    ASSERT_EQ(decoded.state, state) << text << ": " << decoded.problem;
  }
}

// Where the saved moment lies on this run's real-time clock, as a shift of the starts saved.
TEST(SessionStateTest, TheSameBootKeepsRealTimeAndARestartCountsTheWallClock) {
  const SavedMoment saved{"boot-a", std::chrono::hours(30), std::chrono::hours(500'000)};
  const auto reading = [](std::chrono::hours real, std::chrono::minutes wall) {
    ClockReading now;
    now.real = real;
    now.wall = std::chrono::hours(500'000) + wall;
    return now;
  };
  using std::chrono::hours;
  using std::chrono::minutes;
  const struct {
    ClockReading now;
    std::string boot;
    std::optional<nanoseconds> shift;
  } rows[] = {
      // Same boot: the same clock, whatever the wall clock says.
      {reading(hours(31), minutes(-600)), "boot-a", nanoseconds(0)},
      {reading(hours(29), minutes(0)), "boot-a", std::nullopt},
      // Restarted 2 h 10 min later by the wall clock, up for 1 h: the moment lay 3 h 10 min ago.
      {reading(hours(1), minutes(190)), "boot-b", hours(1) - minutes(190) - hours(30)},
      {reading(hours(1), minutes(190)), "", hours(1) - minutes(190) - hours(30)},
      // A wall clock that reads earlier than at the save counts no time between.
      {reading(hours(1), minutes(-5)), "boot-b", hours(1) - hours(30)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ClockShift(saved, row.now, row.boot), row.shift) << row.boot;
  }
}

}  // namespace
}  // namespace mirt2
