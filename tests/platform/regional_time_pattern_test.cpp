#include "regional_time_format.h"

#include <gtest/gtest.h>

#include "scoped_locale_environment.h"

namespace mirt2 {
namespace {

constexpr int kOneOhTwoOhThreePm = 13 * 3600 + 2 * 60 + 3;

TEST(RegionalTimePatternTest, CompilesTheUserFormat) {
  {
    ScopedLocaleEnvironment env("en_US.UTF-8");
    EXPECT_EQ(RegionalTimePattern().Format(kOneOhTwoOhThreePm), "1:02:03 PM");
  }
  {
    ScopedLocaleEnvironment env("de_DE.UTF-8");
    EXPECT_EQ(RegionalTimePattern().Format(kOneOhTwoOhThreePm), "13:02:03");
  }
  {
    ScopedLocaleEnvironment env("zh_TW.UTF-8");
    EXPECT_EQ(RegionalTimePattern().Format(kOneOhTwoOhThreePm), "下午1:02:03");
    EXPECT_EQ(RegionalTimePattern().Format(9 * 3600), "上午9:00:00");
  }
}

TEST(RegionalTimePatternTest, FallsBackToTheDefaultWithoutARegionalSetting) {
  for (const char* name : {"C", "xx_YY.UTF-8"}) {
    ScopedLocaleEnvironment env(name);
    EXPECT_EQ(RegionalTimePattern().Text(), "H:mm:ss") << name;
  }
}

}  // namespace
}  // namespace mirt2
