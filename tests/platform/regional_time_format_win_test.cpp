// These ask the real Windows locale API, so they run on Windows or under Wine,
// in whatever locale the user (or the test run) chose: Windows' own time
// formatter is the reference.
#include <windows.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "clock.h"
#include "regional_time_format.h"

namespace mirt2 {
namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return "(not convertible)";
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<size_t>(size) - 1);
  return out;
}

// The time of day as Windows writes it in the user's long time format.
std::string WindowsTimeText(int seconds) {
  SYSTEMTIME time{};
  time.wYear = 2024;
  time.wMonth = 1;
  time.wDay = 1;
  time.wHour = static_cast<WORD>(seconds / 3600);
  time.wMinute = static_cast<WORD>(seconds / 60 % 60);
  time.wSecond = static_cast<WORD>(seconds % 60);
  wchar_t text[128];
  if (GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, text, 128) <= 0) {
    return "(GetTimeFormatEx failed)";
  }
  return Utf8(text);
}

std::string UserLocaleName() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) <= 0) return "(unknown)";
  return Utf8(name);
}

TEST(RegionalTimeFormatWinTest, RunsInTheLocaleTheTestRunChose) {
  const char* expected = std::getenv("MIRT2_EXPECTED_USER_LOCALE");
  if (!expected) GTEST_SKIP() << "this run takes the user's locale, " << UserLocaleName();
  EXPECT_EQ(UserLocaleName(), expected);
}

TEST(RegionalTimeFormatWinTest, ReadsAFormatThatCompiles) {
  const std::optional<RegionalTimeFormat> format = LookUpRegionalTimeFormat();
  ASSERT_TRUE(format.has_value()) << "in " << UserLocaleName();
  EXPECT_TRUE(TimePattern::Compile(format->pattern, format->am, format->pm).has_value())
      << format->pattern << " | " << format->am << " | " << format->pm;
}

TEST(RegionalTimeFormatWinTest, WritesEveryTimeOfDayAsWindowsDoes) {
  const TimePattern pattern = RegionalTimePattern();
  SCOPED_TRACE("pattern " + pattern.Text() + " in " + UserLocaleName());
  // Every minute at a changing second: each hour on both sides of noon, and
  // single- and double-digit fields.
  for (int seconds = 0; seconds < kSecondsPerDay; seconds += 61) {
    ASSERT_EQ(pattern.Format(seconds), WindowsTimeText(seconds)) << seconds << " s";
  }
  ASSERT_EQ(pattern.Format(kSecondsPerDay - 1), WindowsTimeText(kSecondsPerDay - 1));
}

}  // namespace
}  // namespace mirt2
