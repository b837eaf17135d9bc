#include "copy_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace mirt2 {
namespace {

const std::string kDash = "\xEF\xBC\x8D";  // U+FF0D

std::array<std::string, 10> Texts() {
  std::array<std::string, 10> texts;
  for (int i = 0; i < 10; ++i) texts[i] = "0:00:0" + std::to_string(i);
  return texts;
}

TEST(CopyTextTest, OneLineHasNoLineEnd) {
  std::array<std::string, 10> texts;
  texts.fill("00:00:00");
  EXPECT_EQ(BuildCopyText(texts, 1, false), "00:00:00");
  EXPECT_EQ(BuildCopyText(texts, 1, true), "1" + kDash + "00:00:00");
  EXPECT_EQ(BuildCopyText(texts, 1, true).size(), 1 + 3 + 8U) << "one character U+FF0D";
  texts[0] = "anything at all";
  EXPECT_EQ(BuildCopyText(texts, 1, true), "1" + kDash + "anything at all");
}

TEST(CopyTextTest, ReportsExactlyTheFirstCountTextsWithCrLfBetween) {
  const auto texts = Texts();
  EXPECT_EQ(BuildCopyText(texts, 5, false), "0:00:00\r\n0:00:01\r\n0:00:02\r\n0:00:03\r\n0:00:04");

  const std::string ten = BuildCopyText(texts, 10, true);
  EXPECT_TRUE(ten.starts_with("1" + kDash + "0:00:00\r\n2" + kDash + "0:00:01\r\n"));
  EXPECT_TRUE(ten.ends_with("\r\n10" + kDash + "0:00:09"));
  std::size_t pairs = 0;
  for (std::size_t at = ten.find("\r\n"); at != std::string::npos; at = ten.find("\r\n", at + 2)) {
    ++pairs;
  }
  EXPECT_EQ(pairs, 9U);
  EXPECT_EQ(ten.find('\n', ten.size() - 2), std::string::npos);
  EXPECT_EQ(ten.find('-'), std::string::npos) << "never the ASCII hyphen";
}

TEST(CopyTextTest, CountsOutsideTheTextsAreClamped) {
  const auto texts = Texts();
  EXPECT_EQ(BuildCopyText(texts, 0, true), "");
  EXPECT_EQ(BuildCopyText(texts, -3, false), "");
  EXPECT_EQ(BuildCopyText(texts, 11, false), BuildCopyText(texts, 10, false));
  EXPECT_EQ(BuildCopyText(std::span<const std::string>(texts).first(2), 5, false),
            "0:00:00\r\n0:00:01");
}

}  // namespace
}  // namespace mirt2
