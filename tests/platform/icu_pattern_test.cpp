#include "icu_pattern.h"

#include <gtest/gtest.h>

namespace mirt2 {
namespace {

TEST(TranslateIcuTimePatternTest, TranslatesTheMediumTimeFormatsOfCommonLocales) {
  EXPECT_EQ(TranslateIcuTimePattern("H:mm:ss"), "H:mm:ss");                // ja
  EXPECT_EQ(TranslateIcuTimePattern("h:mm:ss\u202Fa"), "h:mm:ss tt");      // en_US, ICU 72
  EXPECT_EQ(TranslateIcuTimePattern("HH:mm:ss"), "HH:mm:ss");              // de
  EXPECT_EQ(TranslateIcuTimePattern("a h:mm:ss"), "tt h:mm:ss");           // ko
  EXPECT_EQ(TranslateIcuTimePattern("H.mm.ss"), "H.mm.ss");                // fi
  EXPECT_EQ(TranslateIcuTimePattern("hh:mm:ss\u00A0aaa"), "hh:mm:ss tt");  // no-break space
  EXPECT_EQ(TranslateIcuTimePattern("H時mm分ss秒"), "H時mm分ss秒");
  EXPECT_EQ(TranslateIcuTimePattern("HHmmss"), "HHmmss");
  // Day periods take the AM/PM field.
  EXPECT_EQ(TranslateIcuTimePattern("Bh:mm:ss"), "tth:mm:ss");  // zh_TW
  EXPECT_EQ(TranslateIcuTimePattern("h:mm:ss bbb"), "h:mm:ss tt");
}

TEST(TranslateIcuTimePatternTest, KeepsQuotedTextLiteralAndQuotesLettersInTheOutput) {
  EXPECT_EQ(TranslateIcuTimePattern("H 'Uhr' mm"), "H 'Uhr' mm");
  EXPECT_EQ(TranslateIcuTimePattern("h 'o''clock' a"), "h 'o''clock' tt");
  EXPECT_EQ(TranslateIcuTimePattern("HH''mm"), "HH''mm");
  EXPECT_EQ(TranslateIcuTimePattern("'' H"), "'' H");
  EXPECT_EQ(TranslateIcuTimePattern("H 'Uhr'''"), "H 'Uhr'''");
  // Quotes around text without letters are not needed in the output.
  EXPECT_EQ(TranslateIcuTimePattern("H':'mm'\u202F'"), "H:mm ");
  // Letters quoted in ICU would be fields in the Windows language unquoted.
  EXPECT_EQ(TranslateIcuTimePattern("H'h'mm'm'"), "H'h'mm'm'");
  EXPECT_EQ(TranslateIcuTimePattern("'tt' H"), "'tt' H");
}

TEST(TranslateIcuTimePatternTest, RejectsFieldsTheTokenLanguageCannotExpress) {
  for (const char* pattern :
       {"k:mm:ss", "K:mm a", "HHH:mm", "H:mmm", "H:mm:sss", "h:mm BBBB", "h:mm bbbbb",
        "H:mm:ss.SSS", "H:mm:ss z", "H:mm v", "j:mm", "h:mm aaaa", "h:mm aaaaa", "H:mm t"}) {
    EXPECT_EQ(TranslateIcuTimePattern(pattern), std::nullopt) << pattern;
  }
}

TEST(TranslateIcuTimePatternTest, RejectsAnUnterminatedQuote) {
  EXPECT_EQ(TranslateIcuTimePattern("H 'Uhr"), std::nullopt);
  EXPECT_EQ(TranslateIcuTimePattern("H 'o''"), std::nullopt);
}

}  // namespace
}  // namespace mirt2
