#include "stopwatch_bank.h"

#include <gtest/gtest.h>

#include <string>

#include "scripted_clock.h"

namespace mirt2 {
namespace {

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
    clock_.Set(hms);
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
  clock_.Set("9:14:59");
  const ChangedTexts at_click = bank_.StartOne(2);
  EXPECT_TRUE(at_click.StrJikan());
  EXPECT_EQ(bank_.StrJikanText(), "9:14:59");
  EXPECT_TRUE(bank_.SwithT(2));
  EXPECT_TRUE(bank_.SwithJ(2));
  EXPECT_EQ(bank_.JikanText(2), "00:00:00") << "the text waits for the tick";

  const ChangedTexts first = TickAt("9:15:00");
  EXPECT_EQ(bank_.StrTime(2), Hms("9:15:00"));
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
  clock_.Set("8:00:00");
  bank_.StartOne(3);
  TickAt("8:00:01");
  clock_.Set("8:30:00");
  EXPECT_TRUE(bank_.StartOne(5).Empty());
  EXPECT_EQ(bank_.StrJikanText(), "8:00:00");

  TickAt("8:40:00");
  bank_.StopAll();
  TickAt("8:50:00");
  EXPECT_EQ(bank_.StrJikanText(), "8:00:00") << "stops keep it";
  EXPECT_EQ(bank_.JikanText(3), "0:39:59");
  EXPECT_EQ(bank_.JikanText(5), "0:00:00");
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_FALSE(bank_.SwithT(i));

  clock_.Set("9:00:00");
  bank_.StartOne(7);
  EXPECT_EQ(bank_.StrJikanText(), "9:00:00");
}

TEST_F(BankTest, RestartCountsFromZeroWhetherRunningOrStopped) {
  clock_.Set("9:00:00");
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
  clock_.Set("9:00:00");
  bank_.StartOne(4);
  TickAt("9:00:00");
  TickAt("9:00:30");
  bank_.StopOne(4);

  clock_.Set("9:10:00");
  bank_.StartOne(4);
  EXPECT_EQ(bank_.StrJikanText(), "9:10:00");
  bank_.StopOne(4);
  TickAt("9:10:01");
  EXPECT_EQ(bank_.StrTime(4), Hms("9:00:00"));
  EXPECT_EQ(bank_.JikanText(4), "0:00:30");
  EXPECT_EQ(bank_.StrJikanText(), "9:10:00");
}

TEST_F(BankTest, StartAllRestartsEveryStopwatchAtOnce) {
  clock_.Set("9:00:00");
  bank_.StartOne(1);
  TickAt("9:00:00");
  TickAt("9:02:00");

  clock_.Set("9:03:00");
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

  // The second changes after the current time and the first four start times.
  clock_.Queue({Hms("9:03:04"), Hms("9:03:04"), Hms("9:03:04"), Hms("9:03:04"), Hms("9:03:04"),
                Hms("9:03:05")});
  const int reads_before = clock_.reads();
  bank_.Tick();
  EXPECT_EQ(clock_.reads() - reads_before, 11) << "one current time and ten start times";
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(bank_.JikanText(i), "0:00:00") << i;
  for (int i = 5; i <= 10; ++i) {
    EXPECT_EQ(bank_.JikanText(i), "0:00:01") << i;
    EXPECT_EQ(bank_.StrTime(i), Hms("9:03:05"));
  }
  TickAt("9:03:10");
  EXPECT_EQ(bank_.JikanText(1), "0:00:06");
  EXPECT_EQ(bank_.JikanText(10), "0:00:05");
}

TEST_F(BankTest, ResetStopsEverythingAndTicksHoldZeroUntilTheNextStart) {
  clock_.Set("9:00:00");
  bank_.StartAll();
  TickAt("9:00:00");
  TickAt("9:01:00");

  const ChangedTexts changed = bank_.ResetAll();
  EXPECT_TRUE(changed.StrJikan());
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_TRUE(changed.Jikan(i));
  EXPECT_FALSE(changed.ImaJikan());
  EXPECT_EQ(bank_.StrJikanText(), "00:00:00");
  EXPECT_EQ(bank_.ImaJikanText(), "9:01:00");
  ExpectAllJikan("00:00:00");
  EXPECT_EQ(bank_.StrTime(6), Hms("9:00:00")) << "start times are not cleared";

  TickAt("9:02:00");
  ExpectAllJikan("00:00:00");
  EXPECT_TRUE(bank_.ResetAll().Empty());
}

TEST_F(BankTest, FrozenTextsStayOnceAStartTimeOfDayIsSet) {
  clock_.Set("9:00:00");
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

TEST_F(BankTest, ClockChangesShowInTheNextTick) {
  clock_.Set("9:00:00");
  bank_.StartOne(1);
  TickAt("9:00:00");
  TickAt("9:00:30");
  TickAt("9:01:30");  // the clock set one minute forward
  EXPECT_EQ(bank_.JikanText(1), "0:01:30");
  TickAt("8:30:30");  // set back past the start: the magnitude is shown
  EXPECT_EQ(bank_.JikanText(1), "0:29:30");
}

TEST_F(BankTest, RunsAcrossMidnightKeepCountingUp) {
  clock_.Set("23:59:50");
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
  EXPECT_EQ(bank_.JikanText(1), "0:00:00") << "a whole day shows as its remainder";
  TickAt("0:00:30");
  EXPECT_EQ(bank_.JikanText(1), "0:00:40")
      << "a run of a day and 40 s shows what is left after the day";
  EXPECT_EQ(bank_.JikanText(2), "0:00:20");

  // The clock set back half an hour across midnight reads as a clock set back.
  TickAt("23:30:30");
  EXPECT_EQ(bank_.JikanText(1), "23:30:40");
}

TEST_F(BankTest, MidnightBetweenTheCurrentTimeAndAStartReadingCountsOneSecond) {
  bank_.StartOne(1);
  clock_.Queue({Hms("23:59:59"), 0});
  bank_.Tick();
  EXPECT_EQ(bank_.StrTime(1), 0);
  EXPECT_EQ(bank_.JikanText(1), "0:00:01");
  TickAt("0:00:00");
  EXPECT_EQ(bank_.JikanText(1), "0:00:00");
  TickAt("0:00:07");
  EXPECT_EQ(bank_.JikanText(1), "0:00:07");
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
  clock_.Set("13:02:03");
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
  clock_.Set("0:00:00");
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
