#include "locale_name.h"

#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

namespace mirt2 {
namespace {

TEST(TimeLocaleNameTest, TakesTheFirstNonEmptyOfLcAllLcTimeAndLang) {
  EXPECT_EQ(TimeLocaleName("ja_JP", "de_DE", "en_US"), "ja_JP");
  EXPECT_EQ(TimeLocaleName("", "de_DE", "en_US"), "de_DE");
  EXPECT_EQ(TimeLocaleName("", "", "en_US"), "en_US");
  EXPECT_EQ(TimeLocaleName("", "", ""), std::nullopt);
}

TEST(TimeLocaleNameTest, CAndPosixMeanNoRegionalSettingEvenOverALaterVariable) {
  for (const char* name : {"C", "POSIX", "C.UTF-8", "C.utf8", "POSIX.UTF-8"}) {
    EXPECT_EQ(TimeLocaleName(name, "", ""), std::nullopt) << name;
  }
  EXPECT_EQ(TimeLocaleName("C", "de_DE", "ja_JP"), std::nullopt);
  EXPECT_EQ(TimeLocaleName("", "C.UTF-8", "ja_JP"), std::nullopt);
}

TEST(TimeLocaleNameTest, StripsCodesetAndModifier) {
  EXPECT_EQ(TimeLocaleName("", "", "ja_JP.UTF-8"), "ja_JP");
  EXPECT_EQ(TimeLocaleName("", "", "ja_JP.eucJP"), "ja_JP");
  EXPECT_EQ(TimeLocaleName("", "", "de_DE.UTF-8@euro"), "de_DE");
  EXPECT_EQ(TimeLocaleName("", "", "sr_RS@latin"), "sr_RS");
  EXPECT_EQ(TimeLocaleName("", "", "de"), "de");
}

TEST(TimeLocaleNameTest, RejectsValuesThatAreNotLocaleNames) {
  for (const std::string& name :
       std::initializer_list<std::string>{".UTF-8", "@euro", "/usr/lib/locale/ja_JP", "../../x",
                                          "en US", "_JP", "ja_JP\n", std::string(100, 'a')}) {
    EXPECT_EQ(TimeLocaleName("", "", name), std::nullopt) << name;
  }
}

}  // namespace
}  // namespace mirt2
