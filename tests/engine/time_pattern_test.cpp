#include "time_pattern.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace mirt2 {
namespace {

constexpr int kNine15 = 9 * 3600 + 15 * 60;
constexpr int kOnePm = 13 * 3600 + 2 * 60 + 5;

// How many different texts the 86,400 seconds of a day are written as.
long long DistinctTexts(const TimePattern& form) {
  std::set<std::string> texts;
  for (int v = 0; v < 86400; ++v) texts.insert(form.Format(v));
  return static_cast<long long>(texts.size());
}

TEST(TimePatternTest, FormatsTheRegionalFormsExactly) {
  const TimePattern ja = TimePattern::Default();
  EXPECT_EQ(ja.Format(kNine15), "9:15:00");
  EXPECT_EQ(ja.Format(0), "0:00:00");
  EXPECT_EQ(ja.Format(5), "0:00:05");
  EXPECT_EQ(ja.Format(65), "0:01:05");
  EXPECT_EQ(ja.Format(86399), "23:59:59");
  EXPECT_EQ(ja.Format(86400 + 5), "0:00:05") << "a day and five seconds shows its remainder";
  EXPECT_EQ(ja.Format(-1), "23:59:59");

  const TimePattern en = *TimePattern::Compile("h:mm:ss tt", "AM", "PM");
  EXPECT_EQ(en.Format(5), "12:00:05 AM");
  EXPECT_EQ(en.Format(12 * 3600), "12:00:00 PM");
  EXPECT_EQ(en.Format(kOnePm), "1:02:05 PM");

  EXPECT_EQ(TimePattern::Compile("HH:mm:ss")->Format(5), "00:00:05");
  EXPECT_EQ(TimePattern::Compile("H時mm分ss秒")->Format(kOnePm), "13時02分05秒");
  EXPECT_EQ(TimePattern::Compile("tt h:mm:ss", "오전", "오후")->Format(kOnePm), "오후 1:02:05");
  EXPECT_EQ(TimePattern::Compile("HH'h'mm'm'ss's'")->Format(kOnePm), "13h02m05s");
  EXPECT_EQ(TimePattern::Compile("h:mm:ss t", "AM", "PM")->Format(kOnePm), "1:02:05 P");
  EXPECT_EQ(TimePattern::Compile("H:mm:ss 'o''clock'")->Format(kNine15), "9:15:00 o'clock");

  // An elapsed time shows all its hours, in the form's style, up to what a restore brings.
  FormattedTime elapsed;
  auto hours = [&elapsed](std::string_view pattern, long long seconds) {
    TimePattern::Compile(pattern)->FormatElapsedTo(seconds, elapsed);
    return std::string(elapsed.View());
  };
  EXPECT_EQ(hours("H:mm:ss", 25 * 3600 + 61), "25:01:01");
  EXPECT_EQ(hours("HH:mm:ss", 100 * 3600), "100:00:00");
  EXPECT_EQ(hours("H時mm分ss秒", 8784LL * 3600 + 3599), "8784時59分59秒");
  EXPECT_EQ(hours("H:mm:ss", -1), "0:00:00");
}

using PatternCase = std::array<const char*, 3>;  // pattern, AM, PM

class RoundTripTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(RoundTripTest, NoTwoSecondsOfTheDayLookAlike) {
  const auto [pattern, am, pm] = GetParam();
  const auto compiled = TimePattern::Compile(pattern, am, pm);
  ASSERT_TRUE(compiled) << pattern;
  for (const TimePattern& form : {*compiled, compiled->TwentyFourHourForm()}) {
    EXPECT_EQ(DistinctTexts(form), 86400) << form.Text();
  }
}

INSTANTIATE_TEST_SUITE_P(Patterns, RoundTripTest,
                         ::testing::Values(PatternCase{"H:mm:ss", "AM", "PM"},
                                           PatternCase{"HH:mm:ss", "AM", "PM"},
                                           PatternCase{"h:mm:ss tt", "AM", "PM"},
                                           PatternCase{"tt h:mm:ss", "오전", "오후"},
                                           PatternCase{"H時mm分ss秒", "午前", "午後"},
                                           PatternCase{"tthh:mm:ss", "上午", "下午"},
                                           PatternCase{"HHmmss", "AM", "PM"},
                                           PatternCase{"h.mm.ss t", "AM", "PM"},
                                           PatternCase{"H'h'm'm's's'", "AM", "PM"}),
                         [](const ::testing::TestParamInfo<PatternCase>& info) {
                           return "Pattern" + std::to_string(info.index);
                         });

TEST(TimePatternTest, RefusesPatternsWhoseTextsCannotBeReadBack) {
  for (const char* pattern : {"", "H:mm", "mm:ss", "H:ss", "h:mm:ss", "yyyy H:mm:ss", "HHH:mm:ss",
                              "H:mm:ss 'open", "Hmss", "H:m's'", "H:mm:ss 1", "H:mm:ss gg"}) {
    EXPECT_FALSE(TimePattern::Compile(pattern)) << '"' << pattern << '"';
  }
  EXPECT_FALSE(TimePattern::Compile("h:mm:ss tt", "AM", "AM")) << "designators must differ";
  EXPECT_FALSE(TimePattern::Compile("H:mtts", "", "")) << "0:01:10 and 0:11:00 read 0:110";
  EXPECT_FALSE(TimePattern::Compile("h:mm:ss tt", "A", "A"));
  EXPECT_TRUE(TimePattern::Compile("h:mm:ss tt", "", "PM")) << "no designator is AM";
  EXPECT_FALSE(TimePattern::Compile("t h:mm:ss", "午前", "午後")) << "both begin with 午";
  EXPECT_TRUE(TimePattern::Compile("tt h:mm:ss", "午前", "午後"));
  EXPECT_TRUE(TimePattern::Compile("HH:mm:ss tt", "", "")) << "a 24-hour clock needs no designator";

  EXPECT_EQ(TimePattern::CompileOrDefault("H:mm", "AM", "PM").Text(), "H:mm:ss");
  EXPECT_EQ(TimePattern::CompileOrDefault("HH:mm:ss", "AM", "PM").Text(), "HH:mm:ss");
}

TEST(TimePatternTest, TwentyFourHourFormDropsTheDesignatorAndItsSpaces) {
  auto form = [](const char* pattern) {
    return TimePattern::Compile(pattern, "AM", "PM")->TwentyFourHourForm().Text();
  };
  EXPECT_EQ(form("h:mm:ss tt"), "H:mm:ss");
  EXPECT_EQ(form("tt h:mm:ss"), "H:mm:ss");
  EXPECT_EQ(form("tth:mm:ss"), "H:mm:ss");
  EXPECT_EQ(form("hh:mm:ss t"), "HH:mm:ss");
  EXPECT_EQ(form("h:mm:ss\u202Ftt"), "H:mm:ss");
  EXPECT_EQ(form("H:mm:ss"), "H:mm:ss");
  EXPECT_EQ(form("HH:mm:ss"), "HH:mm:ss");
  EXPECT_EQ(form("H時mm分ss秒"), "H時mm分ss秒");
  EXPECT_EQ(form("h 'h' mm tt ss"), "H' h 'mm ss");
  EXPECT_EQ(form("h:mm:ss tt"), form("h:mm:ss  tt"));
  EXPECT_EQ(form("htt mm:ss"), "H mm:ss") << "the numbers stay apart";

  const TimePattern elapsed = TimePattern::Compile("h:mm:ss tt")->TwentyFourHourForm();
  EXPECT_EQ(elapsed.Format(5), "0:00:05");
  EXPECT_EQ(elapsed.Format(kOnePm), "13:02:05");
}

}  // namespace
}  // namespace mirt2
