// These read ICU's own data, so they hold whether or not the system has the
// locales generated.
#include "regional_time_format_icu.h"

#include <ostream>

#include <gtest/gtest.h>

#include "scoped_locale_environment.h"

namespace mirt2 {

void PrintTo(const RegionalTimeFormat& format, std::ostream* os) {
  *os << '{' << format.pattern << " | " << format.am << " | " << format.pm << '}';
}

namespace {

TEST(RegionalTimeFormatIcuTest, LooksUpTheTimeLocaleOfTheEnvironment) {
  {
    ScopedLocaleEnvironment env("ja_JP.UTF-8");
    EXPECT_EQ(LookUpRegionalTimeFormat(), (RegionalTimeFormat{"H:mm:ss", "午前", "午後"}));
  }
  {
    ScopedLocaleEnvironment env("", "en_US.UTF-8", "ja_JP.UTF-8");
    EXPECT_EQ(LookUpRegionalTimeFormat(), (RegionalTimeFormat{"h:mm:ss tt", "AM", "PM"}));
  }
  {
    ScopedLocaleEnvironment env("", "", "de_DE");
    const auto format = LookUpRegionalTimeFormat();
    ASSERT_TRUE(format);
    EXPECT_EQ(format->pattern, "HH:mm:ss");
  }
  {
    ScopedLocaleEnvironment env("ko_KR.UTF-8");
    EXPECT_EQ(LookUpRegionalTimeFormat(), (RegionalTimeFormat{"tt h:mm:ss", "오전", "오후"}));
  }
  {
    ScopedLocaleEnvironment env("zh_TW.UTF-8");
    EXPECT_EQ(LookUpRegionalTimeFormat(), (RegionalTimeFormat{"tth:mm:ss", "上午", "下午"}));
  }
}

TEST(RegionalTimeFormatIcuTest, NoRegionalSettingWithoutALocale) {
  ScopedLocaleEnvironment env("C", "ja_JP.UTF-8", "ja_JP.UTF-8");
  EXPECT_EQ(LookUpRegionalTimeFormat(), std::nullopt);
}

TEST(RegionalTimeFormatIcuTest, UnknownLanguageIsNotAnsweredWithIcusDefaultLocale) {
  EXPECT_EQ(IcuTimeFormat("xx_YY"), std::nullopt);
  EXPECT_EQ(IcuTimeFormat("root"), std::nullopt);
  // An unknown region still has its language's format.
  ASSERT_TRUE(IcuTimeFormat("de_ZZ"));
  EXPECT_EQ(IcuTimeFormat("de_ZZ")->pattern, "HH:mm:ss");
}

}  // namespace
}  // namespace mirt2
