#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "time_pattern.h"

namespace mirt2 {
namespace {

// Random patterns of fields, literals and designators that separate and that
// may not (empty, equal, a prefix of the other or of a literal, digits): every
// pattern that compiles, and its 24-hour form, writes each second differently.
TEST(TimePatternRandomTest, EveryCompiledPatternTellsEverySecondApart) {
  constexpr std::pair<const char*, const char*> kDesignators[] = {
      {"AM", "PM"}, {"午前", "午後"}, {"", ""},   {"", "PM"}, {"AM", ""}, {"A", "AM"},
      {"PM", "P"},  {"AM", "AM"},     {":", "."}, {"h", "H"}, {"1", "2"}, {"a", "p"}};
  constexpr const char* kOthers[] = {":",  " ", ".",   "時", "'h'", "'A'", "'M'", "'PM'",
                                     "''", "1", "'P'", "H",  "h",   "mm",  "s"};
  std::mt19937 rng(20261207);
  auto pick = [&rng](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
  };
  int compiled = 0;
  std::vector<std::string> texts(86400);
  for (int n = 0; n < 150; ++n) {
    // Hour, minute and second in a random order, one-or-two-digit fields the
    // likelier, each piece after at most one designator or other piece.
    std::array<std::string, 3> fields{std::array{"H", "h", "H", "h", "HH", "hh"}[pick(6)],
                                      pick(3) > 0 ? "m" : "mm", pick(3) > 0 ? "s" : "ss"};
    std::shuffle(fields.begin(), fields.end(), rng);
    std::string pattern;
    for (std::size_t k = 0; k <= fields.size(); ++k) {
      if (pick(2) > 0) {
        pattern += pick(2) > 0 ? (pick(2) > 0 ? "t" : "tt") : kOthers[pick(std::size(kOthers))];
      }
      if (k < fields.size()) pattern += fields[k];
    }
    const auto [am, pm] = kDesignators[pick(std::size(kDesignators))];
    const auto pattern_compiled = TimePattern::Compile(pattern, am, pm);
    if (!pattern_compiled) continue;
    ++compiled;
    for (const TimePattern& form : {*pattern_compiled, pattern_compiled->TwentyFourHourForm()}) {
      for (int v = 0; v < 86400; ++v) form.FormatTo(v, texts[static_cast<std::size_t>(v)]);
      std::sort(texts.begin(), texts.end());
      const auto twin = std::adjacent_find(texts.begin(), texts.end());
      if (twin != texts.end()) {
        FAIL() << pattern << " (" << am << ", " << pm << ") as " << form.Text()
               << " writes two seconds as " << *twin;
      }
    }
  }
  EXPECT_GT(compiled, 30) << "too few patterns compiled to prove anything";
}

}  // namespace
}  // namespace mirt2
