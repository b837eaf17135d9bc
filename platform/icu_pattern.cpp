#include "icu_pattern.h"

#include <algorithm>

#include "ascii.h"

namespace mirt2 {
namespace {

constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";  // U+202F
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";            // U+00A0

std::string PlainSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    if (text.starts_with(kNarrowNoBreakSpace)) {
      out += ' ';
      text.remove_prefix(kNarrowNoBreakSpace.size());
    } else if (text.starts_with(kNoBreakSpace)) {
      out += ' ';
      text.remove_prefix(kNoBreakSpace.size());
    } else {
      out += text.front();
      text.remove_prefix(1);
    }
  }
  return out;
}

std::optional<std::string_view> WindowsToken(char letter, size_t count) {
  switch (letter) {
    case 'H':
      if (count <= 2) return count == 1 ? "H" : "HH";
      break;
    case 'h':
      if (count <= 2) return count == 1 ? "h" : "hh";
      break;
    case 'm':
      if (count <= 2) return count == 1 ? "m" : "mm";
      break;
    case 's':
      if (count <= 2) return count == 1 ? "s" : "ss";
      break;
    case 'a':
    case 'b':
    case 'B':
      // aaaa is the wide and aaaaa the narrow form; ICU's abbreviated
      // designators are the ones handed over as AM/PM. The day periods b (AM/PM
      // with noon and midnight) and B (flexible: "凌晨", "晚上" for zh_TW) take
      // the AM/PM field too: the token language knows two designators, and
      // Windows writes "tth:mm:ss" with 上午/下午 for zh_TW.
      if (count <= 3) return "tt";
      break;
    default:
      break;
  }
  return std::nullopt;
}

void AppendApostrophesDoubled(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
}

// Every ASCII letter is a token or reserved in the Windows language, so each
// word holding one is quoted; "o'clock" stays one quoted word. A word runs
// over letters and apostrophes, so no quoted word touches another quote and
// the quoting cannot be misread.
void AppendLiteral(std::string& out, std::string_view literal) {
  const auto in_word = [](char c) { return IsAsciiLetter(c) || c == '\''; };
  while (!literal.empty()) {
    size_t end = 0;
    while (end < literal.size() && in_word(literal[end]) == in_word(literal.front())) ++end;
    const std::string_view run = literal.substr(0, end);
    const bool quote = std::ranges::any_of(run, IsAsciiLetter);
    if (quote) out += '\'';
    AppendApostrophesDoubled(out, run);
    if (quote) out += '\'';
    literal.remove_prefix(end);
  }
}

}  // namespace

std::optional<std::string> TranslateIcuTimePattern(std::string_view icu_pattern) {
  const std::string pattern = PlainSpaces(icu_pattern);
  std::string out;
  std::string literal;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'') {
      if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
        literal += '\'';
        i += 2;
        continue;
      }
      ++i;
      for (;;) {
        if (i >= pattern.size()) return std::nullopt;
        if (pattern[i] == '\'') {
          if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            literal += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        literal += pattern[i++];
      }
    } else if (IsAsciiLetter(c)) {
      const size_t end = std::min(pattern.find_first_not_of(c, i), pattern.size());
      const auto token = WindowsToken(c, end - i);
      if (!token) return std::nullopt;
      AppendLiteral(out, literal);
      literal.clear();
      out += *token;
      i = end;
    } else {
      literal += c;
      ++i;
    }
  }
  AppendLiteral(out, literal);
  return out;
}

}  // namespace mirt2
