#include "stopwatch_bank.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>

#include "scripted_clock.h"

namespace mirt2 {
namespace {

using namespace std::chrono_literals;
using testing::Hms;
using testing::ScriptedClock;

class BankTest : public ::testing::Test {
 protected:
  explicit BankTest(std::string_view pattern = "H:mm:ss", std::string_view am = "AM",
                    std::string_view pm = "PM")
      : bank_(clock_, *TimePattern::Compile(pattern, am, pm)) {
    bank_.ClearSwitches();
  }

  ChangedTexts TickAt(std::string_view hms) {
    clock_.RunTo(hms);
    return bank_.Tick();
  }

  void ExpectAllJikan(std::string_view text) {
    for (int i = 1; i <= kStopwatchCount; ++i)
      EXPECT_EQ(bank_.JikanText(i), text) << "stopwatch " << i;
  }

  ScriptedClock clock_{Hms("9:00:00")};
  StopwatchBank bank_;
};

TEST_F(BankTest, StartsStoppedWithZeroTextsAndTickHoldsThemBeforeAnyStart) {
  for (int i = 1; i <= kStopwatchCount; ++i) {
    EXPECT_FALSE(bank_.SwithT(i));
    EXPECT_FALSE(bank_.SwithJ(i));
  }
  EXPECT_EQ(bank_.StrJikanText(), "00:00:00");
  EXPECT_EQ(bank_.ImaJikanText(), "00:00:00");
  ExpectAllJikan("00:00:00");

  const ChangedTexts changed = TickAt("9:15:00");
  EXPECT_EQ(bank_.ImaJikanText(), "9:15:00");
  ExpectAllJikan("00:00:00");
  EXPECT_TRUE(changed.ImaJikan());
  EXPECT_EQ(changed.Count(), 1);
  EXPECT_TRUE(TickAt("9:15:00").Empty()) << "an unchanged text is not reported";
}

TEST_F(BankTest, StartOneTakesItsStartTimeAtTheNextTickAndStopFreezesTheText) {
  clock_.RunTo("9:14:59");
  const ChangedTexts at_click = bank_.StartOne(2);
  EXPECT_TRUE(at_click.StrJikan());
  EXPECT_EQ(bank_.StrJikanText(), "9:14:59");
  EXPECT_TRUE(bank_.SwithT(2));
  EXPECT_TRUE(bank_.SwithJ(2));
  EXPECT_EQ(bank_.JikanText(2), "00:00:00") << "the text waits for the tick";

  const ChangedTexts first = TickAt("9:15:00");
  EXPECT_EQ(bank_.JikanText(2), "0:00:00") << "zero as a time text, not the fixed text";
  EXPECT_FALSE(bank_.SwithJ(2));
  EXPECT_TRUE(bank_.SwithT(2));
  EXPECT_TRUE(first.Jikan(2));
  EXPECT_FALSE(first.Jikan(1));
  EXPECT_EQ(bank_.StrJikanText(), "9:14:59") << "the tick never writes the start time of day";

  TickAt("9:16:05");
  EXPECT_EQ(bank_.JikanText(2), "0:01:05");
  TickAt("10:17:10");
  EXPECT_EQ(bank_.JikanText(2), "1:02:10");

  EXPECT_TRUE(bank_.StopOne(2).Empty());
  TickAt("11:00:00");
  EXPECT_EQ(bank_.JikanText(2), "1:02:10");
  EXPECT_EQ(bank_.StrJikanText(), "9:14:59");
  EXPECT_EQ(bank_.JikanText(1), "00:00:00");
}

TEST_F(BankTest, StartTimeOfDayIsSetOnlyByAStartWhileNothingRuns) {
  clock_.RunTo("8:00:00");
  bank_.StartOne(3);
  TickAt("8:00:01");
  clock_.RunTo("8:30:00");
  EXPECT_TRUE(bank_.StartOne(5).Empty());
  EXPECT_EQ(bank_.StrJikanText(), "8:00:00");

  TickAt("8:40:00");
  bank_.StopAll();
  TickAt("8:50:00");
  EXPECT_EQ(bank_.StrJikanText(), "8:00:00") << "stops keep it";
  EXPECT_EQ(bank_.JikanText(3), "0:39:59");
  EXPECT_EQ(bank_.JikanText(5), "0:00:00");
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_FALSE(bank_.SwithT(i));

  clock_.RunTo("9:00:00");
  bank_.StartOne(7);
  EXPECT_EQ(bank_.StrJikanText(), "9:00:00");
}

TEST_F(BankTest, RestartCountsFromZeroWhetherRunningOrStopped) {
  clock_.RunTo("9:00:00");
  bank_.StartOne(3);
  TickAt("9:00:00");
  TickAt("9:05:00");
  EXPECT_EQ(bank_.JikanText(3), "0:05:00");

  bank_.StartOne(3);
  bank_.StartOne(3);  // two starts before a tick act as one
  EXPECT_TRUE(bank_.SwithJ(3));
  TickAt("9:06:00");
  EXPECT_EQ(bank_.JikanText(3), "0:00:00");
  TickAt("9:06:07");
  EXPECT_EQ(bank_.JikanText(3), "0:00:07");

  bank_.StopOne(3);
  bank_.StopOne(3);
  TickAt("9:07:00");
  EXPECT_EQ(bank_.JikanText(3), "0:00:07");
  bank_.StartOne(3);
  TickAt("9:08:00");
  TickAt("9:08:02");
  EXPECT_EQ(bank_.JikanText(3), "0:00:02");
}

TEST_F(BankTest, StartThenStopBeforeATickTakesNoStartTime) {
  clock_.RunTo("9:00:00");
  bank_.StartOne(4);
  TickAt("9:00:00");
  const std::chrono::nanoseconds taken = bank_.StrTime(4);
  TickAt("9:00:30");
  bank_.StopOne(4);

  clock_.RunTo("9:10:00");
  bank_.StartOne(4);
  EXPECT_EQ(bank_.StrJikanText(), "9:10:00");
  bank_.StopOne(4);
  TickAt("9:10:01");
  EXPECT_EQ(bank_.StrTime(4), taken);
  EXPECT_EQ(bank_.JikanText(4), "0:00:30");
  EXPECT_EQ(bank_.StrJikanText(), "9:10:00");
}

TEST_F(BankTest, StartAllRestartsEveryStopwatchAtOnce) {
  clock_.RunTo("9:00:00");
  bank_.StartOne(1);
  TickAt("9:00:00");
  TickAt("9:02:00");

  clock_.RunTo("9:03:00");
  const ChangedTexts changed = bank_.StartAll();
  EXPECT_EQ(bank_.StrJikanText(), "9:03:00");
  ExpectAllJikan("00:00:00");
  EXPECT_TRUE(changed.StrJikan());
  EXPECT_TRUE(changed.Jikan(1));
  EXPECT_FALSE(changed.Jikan(2)) << "already read 00:00:00";
  for (int i = 1; i <= kStopwatchCount; ++i) {
    EXPECT_TRUE(bank_.SwithT(i));
    EXPECT_TRUE(bank_.SwithJ(i));
  }

  // One reading starts all ten, a moment before the second turns.
  TickAt("9:03:04.999");
  ExpectAllJikan("0:00:00");
  TickAt("9:03:05");
  EXPECT_EQ(bank_.JikanText(1), "0:00:01");
  TickAt("9:03:10");
  ExpectAllJikan("0:00:06");
}

TEST_F(BankTest, ResetStopsEverythingAndTicksHoldZeroUntilTheNextStart) {
  clock_.RunTo("9:00:00");
  bank_.StartAll();
  TickAt("9:00:00");
  const std::chrono::nanoseconds taken = bank_.StrTime(6);
  TickAt("9:01:00");

  const ChangedTexts changed = bank_.ResetAll();
  EXPECT_TRUE(changed.StrJikan());
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_TRUE(changed.Jikan(i));
  EXPECT_FALSE(changed.ImaJikan());
  EXPECT_EQ(bank_.StrJikanText(), "00:00:00");
  EXPECT_EQ(bank_.ImaJikanText(), "9:01:00");
  ExpectAllJikan("00:00:00");
  EXPECT_EQ(bank_.StrTime(6), taken) << "start times are not cleared";

  TickAt("9:02:00");
  ExpectAllJikan("00:00:00");
  EXPECT_TRUE(bank_.ResetAll().Empty());
}

TEST_F(BankTest, FrozenTextsStayOnceAStartTimeOfDayIsSet) {
  clock_.RunTo("9:00:00");
  bank_.StartOne(1);
  TickAt("9:00:00");
  TickAt("9:00:09");
  bank_.StopOne(1);
  for (const char* t : {"9:00:10", "9:30:00", "12:00:00"}) {
    TickAt(t);
    EXPECT_EQ(bank_.JikanText(1), "0:00:09");
    EXPECT_EQ(bank_.JikanText(2), "00:00:00");
  }
}

// A table row's test name: what it is, in words joined by underscores.
template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  std::string name = info.param.what;
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  return name;
}

// Twelve seconds of real time with all ten running, whatever happens to the
// wall clock meanwhile; stopwatch 3 was stopped just before it happened.
struct ClockChange {
  const char* what;
  const char* start;
  std::chrono::nanoseconds after;  // the start
  std::chrono::nanoseconds step;   // of the wall clock alone
  std::chrono::nanoseconds asleep;
  const char* now_shown;
  const char* elapsed_shown;
};

void PrintTo(const ClockChange& change, std::ostream* out) {
  *out << change.what;
}

class ClockChangeTest : public BankTest, public ::testing::WithParamInterface<ClockChange> {};

TEST_P(ClockChangeTest, RealTimeIsShownWhateverTheWallClockDoes) {
  const ClockChange& change = GetParam();
  clock_.RunTo(change.start);
  bank_.StartAll();
  bank_.Tick();
  clock_.Run(change.after);
  bank_.Tick();
  bank_.StopOne(3);
  const std::string stopped = bank_.JikanText(3);
  clock_.Step(change.step);
  clock_.Run(change.asleep);
  clock_.Run(12s - change.after);
  bank_.Tick();
  EXPECT_EQ(bank_.ImaJikanText(), change.now_shown);
  EXPECT_EQ(bank_.JikanText(1), change.elapsed_shown);
  EXPECT_EQ(bank_.JikanText(10), change.elapsed_shown);
  EXPECT_EQ(bank_.JikanText(3), stopped) << "a stopped time stays";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ClockChangeTest,
    ::testing::Values(
        ClockChange{"summer time begins", "1:59:54.3", 6s, 1h, 0s, "3:00:06", "0:00:12"},
        ClockChange{"summer time ends", "2:59:54.3", 6s, -1h, 0s, "2:00:06", "0:00:12"},
        ClockChange{"a time zone nine hours west", "18:00:00.6", 6s, -9h, 0s, "9:00:12", "0:00:12"},
        ClockChange{"set back ten minutes", "9:00:00.5", 6s, -10min, 0s, "8:50:12", "0:00:12"},
        ClockChange{"set forward ten minutes", "9:00:00.5", 6s, 10min, 0s, "9:10:12", "0:00:12"},
        ClockChange{"set back a day", "9:00:00", 6s, -24h, 0s, "9:00:12", "0:00:12"},
        ClockChange{"set forward a day", "9:00:00", 6s, 24h, 0s, "9:00:12", "0:00:12"},
        ClockChange{"set back in the second of the start", "9:00:00.2", 300ms, -10min, 0s,
                    "8:50:12", "0:00:12"},
        ClockChange{"set back across midnight", "23:59:54.3", 8s, -10min, 0s, "23:50:06",
                    "0:00:12"},
        ClockChange{"asleep for an hour", "9:00:00.5", 6s, 0s, 1h, "10:00:12", "1:00:12"},
        ClockChange{"asleep for an hour then set back a second", "9:00:00.5", 6s, -1s, 1h,
                    "10:00:11", "1:00:12"}),
    RowName<ClockChange>);

// A stopwatch stopped and continued counts on from the real time it ran, not from zero and not
// from the whole seconds it showed, turning over with the wall clock's seconds; the paused time
// and a clock set meanwhile count not. Set back to zero alone, it leaves the others and the
// start time of day, and cannot continue.
struct Continuation {
  const char* what;
  const char* start;
  std::chrono::nanoseconds run;    // until the stop
  std::chrono::nanoseconds pause;  // both clocks
  std::chrono::nanoseconds step;   // the wall clock alone, while paused
  std::chrono::nanoseconds after;  // the continuation
  const char* shown;
};

void PrintTo(const Continuation& row, std::ostream* out) {
  *out << row.what;
}

class ContinuationTest : public BankTest, public ::testing::WithParamInterface<Continuation> {};

TEST_P(ContinuationTest, CountsOnFromTheRealTimeItRan) {
  const Continuation& row = GetParam();
  clock_.RunTo(row.start);
  bank_.StartOne(1);
  bank_.StartOne(2);
  bank_.Tick();
  clock_.Run(row.run);
  bank_.Tick();
  bank_.StopOne(1);
  const std::string str_jikan = bank_.StrJikanText();
  clock_.Run(row.pause);
  clock_.Step(row.step);
  if (std::string_view(row.shown) == "00:00:00") {
    EXPECT_TRUE(bank_.ResetOne(1).Jikan(1));
    EXPECT_FALSE(bank_.CanContinue(1));
  } else {
    EXPECT_TRUE(bank_.CanContinue(1));
  }
  bank_.ContinueOne(1);
  bank_.Tick();
  clock_.Run(row.after);
  bank_.Tick();
  EXPECT_EQ(bank_.JikanText(1), row.shown);
  EXPECT_NE(bank_.JikanText(2), "00:00:00") << "the other runs on";
  EXPECT_EQ(bank_.StrJikanText(), str_jikan);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ContinuationTest,
    ::testing::Values(
        // 5.4 s (showing 0:00:05), continued at 9:01:05.2: the time turns over with the wall
        // clock's seconds as though begun at 9:00:59.8, to 9 s at 9:01:08, after 8.2 s. Whole
        // seconds alone, 5 s, would have shown 8 s.
        Continuation{"exactly", "9:00:00.3", 5400ms, 59500ms, 0s, 2800ms, "0:00:09"},
        Continuation{"before the second", "9:00:00.3", 5400ms, 59500ms, 0s, 2799ms, "0:00:08"},
        Continuation{"across a step of the clock", "9:00:00.3", 5400ms, 59500ms, -10min, 2800ms,
                     "0:00:09"},
        Continuation{"after a day", "9:00:00.3", 24h, 3h, 0s, 2h, "26:00:00"},
        Continuation{"back to zero", "9:00:00.3", 5400ms, 1min, 0s, 2600ms, "00:00:00"}),
    RowName<Continuation>);

// A time service steps the wall clock by a fraction of a second. The elapsed
// times then turn over with the wall clock's new seconds, stay within a second
// of the real time, and never count down.
TEST_F(BankTest, AWallClockSetByAFractionTurnsTheTimesOverWithItsNewSeconds) {
  clock_.RunTo("9:00:00.3");
  bank_.StartOne(1);
  bank_.Tick();
  TickAt("9:00:05");
  EXPECT_EQ(bank_.JikanText(1), "0:00:05");  // 4.7 s of real time

  clock_.Run(100ms);
  clock_.Step(-200ms);  // 9:00:04.9
  bank_.Tick();
  EXPECT_EQ(bank_.ImaJikanText(), "9:00:04");
  EXPECT_EQ(bank_.JikanText(1), "0:00:05") << "held rather than counting down";
  TickAt("9:00:06");
  EXPECT_EQ(bank_.JikanText(1), "0:00:06");  // 5.9 s

  clock_.Run(500ms);
  clock_.Step(700ms);  // 9:00:07.2
  bank_.Tick();
  EXPECT_EQ(bank_.ImaJikanText(), "9:00:07");
  EXPECT_EQ(bank_.JikanText(1), "0:00:07");  // 6.4 s
  TickAt("9:00:07.999");
  EXPECT_EQ(bank_.JikanText(1), "0:00:07");  // 7.199 s
  TickAt("9:00:08");
  EXPECT_EQ(bank_.JikanText(1), "0:00:08");  // 7.2 s
  TickAt("9:01:08");
  EXPECT_EQ(bank_.JikanText(1), "0:01:08");

  // A start after the step turns over on the same seconds as the first.
  clock_.Run(500ms);
  bank_.StartOne(2);
  bank_.Tick();
  TickAt("9:01:09");
  EXPECT_EQ(bank_.JikanText(2), "0:00:01");
  EXPECT_EQ(bank_.JikanText(1), "0:01:09");
}

// The two clocks of a reading are read microseconds apart, never quite the
// same: a start a microsecond into its second still counts whole seconds.
TEST_F(BankTest, ClocksReadMicrosecondsApartKeepTheCountOfSeconds) {
  clock_.RunTo("9:00:00.000001");
  bank_.StartOne(1);
  bank_.Tick();
  clock_.Step(-2us);  // the wall clock read a little early
  TickAt("9:00:05");
  EXPECT_EQ(bank_.JikanText(1), "0:00:05");
  clock_.Step(3us);
  TickAt("9:00:06.5");
  EXPECT_EQ(bank_.JikanText(1), "0:00:06");
}

TEST_F(BankTest, RunsAcrossMidnightKeepCountingUp) {
  clock_.RunTo("23:59:50");
  bank_.StartOne(1);
  bank_.StartOne(2);
  TickAt("23:59:50");
  TickAt("23:59:59");
  EXPECT_EQ(bank_.JikanText(1), "0:00:09");
  TickAt("0:00:10");
  EXPECT_EQ(bank_.JikanText(1), "0:00:20");
  bank_.StopOne(2);
  TickAt("12:00:00");
  TickAt("23:59:50");
  EXPECT_EQ(bank_.JikanText(1), "24:00:00") << "a whole day shows all its hours";
  TickAt("0:00:30");
  EXPECT_EQ(bank_.JikanText(1), "24:00:40");
  EXPECT_EQ(bank_.JikanText(2), "0:00:20");

  clock_.Step(-30min);  // back across midnight
  TickAt("23:30:31");
  EXPECT_EQ(bank_.JikanText(1), "24:00:41");
  clock_.Run(std::chrono::hours(76));
  bank_.Tick();
  EXPECT_EQ(bank_.JikanText(1), "100:00:41");
}

TEST_F(BankTest, StopwatchNumbersOutsideOneToTenAreRefused) {
  EXPECT_THROW(bank_.StartOne(0), std::out_of_range);
  EXPECT_THROW(bank_.StopOne(11), std::out_of_range);
  EXPECT_THROW((void)bank_.JikanText(-1), std::out_of_range);
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_FALSE(bank_.SwithT(i));
}

class TwelveHourBankTest : public BankTest {
 protected:
  TwelveHourBankTest() : BankTest("h:mm:ss tt") {}
};

TEST_F(TwelveHourBankTest, TimesOfDayKeepTheRegionalFormAndElapsedTimesAre24Hour) {
  clock_.RunTo("13:02:03");
  bank_.StartOne(1);
  EXPECT_EQ(bank_.StrJikanText(), "1:02:03 PM");
  TickAt("13:02:03");
  EXPECT_EQ(bank_.ImaJikanText(), "1:02:03 PM");
  EXPECT_EQ(bank_.JikanText(1), "0:00:00");
  TickAt("13:02:08");
  EXPECT_EQ(bank_.JikanText(1), "0:00:05");
  TickAt("0:00:08");
  EXPECT_EQ(bank_.ImaJikanText(), "12:00:08 AM");
  EXPECT_EQ(bank_.JikanText(1), "10:58:05");
}

class TwoDigitHourBankTest : public BankTest {
 protected:
  TwoDigitHourBankTest() : BankTest("HH:mm:ss") {}
};

TEST_F(TwoDigitHourBankTest, AStartAtMidnightIsAStartTimeLikeAnyOther) {
  clock_.RunTo("0:00:00");
  bank_.StartOne(1);
  bank_.StartOne(2);
  EXPECT_EQ(bank_.StrJikanText(), "00:00:00");
  TickAt("0:00:00");
  TickAt("0:00:04");
  bank_.StopOne(2);
  TickAt("0:00:09");
  EXPECT_EQ(bank_.JikanText(1), "00:00:09");
  EXPECT_EQ(bank_.JikanText(2), "00:00:04") << "a stopped time survives the ticks";
  EXPECT_TRUE(TickAt("0:00:09").Empty()) << "a running text is not rewritten within its second";

  bank_.ResetAll();
  bank_.StartOne(3);
  bank_.StopOne(3);
  TickAt("0:00:12");
  ExpectAllJikan("00:00:00");
}

}  // namespace
}  // namespace mirt2
