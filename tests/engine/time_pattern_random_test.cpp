// Random patterns built from the pattern language's pieces: every pattern that
// compiles, and its 24-hour form, must read back each second of the day.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>

#include "time_pattern.h"

namespace mirt2 {
namespace {

// Designator pairs that separate, and pairs that may not: empty, equal, one a
// prefix of the other or of a literal, digits.
constexpr std::array<std::pair<const char*, const char*>, 12> kDesignators{{
    {"AM", "PM"},
    {"午前", "午後"},
    {"", ""},
    {"", "PM"},
    {"AM", ""},
    {"A", "AM"},
    {"PM", "P"},
    {"AM", "AM"},
    {":", "."},
    {"h", "H"},
    {"1", "2"},
    {"a", "p"},
}};
constexpr std::array<const char*, 11> kLiterals{":",   " ",    ".",  "時", "'h'", "'A'",
                                                "'M'", "'PM'", "''", "1",  "'P'"};
constexpr std::array<const char*, 6> kExtraFields{"H", "h", "m", "mm", "s", "ss"};

TEST(TimePatternRandomTest, EveryCompiledPatternReadsBackEverySecond) {
  constexpr unsigned kSeed = 20261207;
  constexpr int kPatterns = 250;
  std::mt19937 rng(kSeed);
  auto pick = [&rng](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
  };

  int compiled_count = 0;
  std::string text;
  for (int n = 0; n < kPatterns; ++n) {
    // Hour, minute and second in a random order, one-or-two-digit fields the
    // likelier; before each and at the end up to two designators, literals or
    // extra fields.
    std::array<std::string, 3> fields{std::array{"H", "h", "H", "h", "HH", "hh"}[pick(6)],
                                      std::array{"m", "m", "mm"}[pick(3)],
                                      std::array{"s", "s", "ss"}[pick(3)]};
    std::shuffle(fields.begin(), fields.end(), rng);
    std::string pattern;
    for (std::size_t k = 0; k <= fields.size(); ++k) {
      for (std::size_t extra = pick(3); extra > 0; --extra) {
        const std::size_t kind = pick(6);
        pattern += kind < 3   ? std::array{"t", "tt"}[pick(2)]
                   : kind < 5 ? kLiterals[pick(kLiterals.size())]
                              : kExtraFields[pick(kExtraFields.size())];
      }
      if (k < fields.size()) pattern += fields[k];
    }
    const auto [am, pm] = kDesignators[pick(kDesignators.size())];
    const auto compiled = TimePattern::Compile(pattern, am, pm);
    if (!compiled) continue;
    ++compiled_count;
    for (const TimePattern& form : {*compiled, compiled->TwentyFourHourForm()}) {
      for (int v = 0; v < 86400; ++v) {
        form.FormatTo(v, text);
        ASSERT_EQ(form.Parse(text), v) << '"' << pattern << "\" (" << am << ", " << pm << ") as \""
                                       << form.Text() << "\" wrote \"" << text << '"';
      }
    }
  }
  // The draw must leave enough patterns to prove anything.
  EXPECT_GT(compiled_count, kPatterns / 5);
}

}  // namespace
}  // namespace mirt2
