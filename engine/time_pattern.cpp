#include "time_pattern.h"

#include <algorithm>

#include "clock.h"

namespace mirt2 {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Ordinary, no-break and narrow no-break spaces: what regional formats put
// between the time and its AM/PM designator.
constexpr std::string_view kSpaces[] = {" ", "\u00A0", "\u202F"};

std::size_t LeadingSpace(std::string_view s) {
  for (std::string_view space : kSpaces) {
    if (s.starts_with(space)) return space.size();
  }
  return 0;
}

std::size_t TrailingSpace(std::string_view s) {
  for (std::string_view space : kSpaces) {
    if (s.ends_with(space)) return space.size();
  }
  return 0;
}

std::string_view FirstCharacter(std::string_view s) {
  if (s.empty()) return s;
  const auto lead = static_cast<unsigned char>(s[0]);
  std::size_t length = 1;
  if (lead >= 0xF0) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  return s.substr(0, std::min(length, s.size()));
}

char* WriteNumber(int n, bool padded, char* out) {
  if (padded || n >= 10) *out++ = static_cast<char>('0' + n / 10);
  *out++ = static_cast<char>('0' + n % 10);
  return out;
}

}  // namespace

struct TimePattern::Reading {
  int hour24 = -1;
  int hour12 = -1;
  int pm = -1;
  int minute = -1;
  int second = -1;
};

TimePattern TimePattern::Default() {
  return *Compile(kDefaultPattern);
}

std::optional<TimePattern> TimePattern::Compile(std::string_view pattern, std::string_view am,
                                                std::string_view pm) {
  auto pieces = Tokenize(pattern);
  if (!pieces) return std::nullopt;
  TimePattern result;
  result.pieces_ = std::move(*pieces);
  result.am_ = am;
  result.pm_ = pm;
  if (!result.Readable()) return std::nullopt;
  return result;
}

TimePattern TimePattern::CompileOrDefault(std::string_view pattern, std::string_view am,
                                          std::string_view pm) {
  auto compiled = Compile(pattern, am, pm);
  return compiled ? std::move(*compiled) : Default();
}

std::optional<std::vector<TimePattern::Piece>> TimePattern::Tokenize(std::string_view pattern) {
  std::vector<Piece> pieces;
  auto add_literal = [&pieces](std::string_view text) {
    if (text.empty()) return;
    if (pieces.empty() || pieces.back().field != Field::kLiteral) pieces.push_back({});
    pieces.back().literal += text;
  };

  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'') {
      if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
        add_literal("'");
        i += 2;
        continue;
      }
      std::string quoted;
      std::size_t j = i + 1;
      bool closed = false;
      while (j < pattern.size()) {
        if (pattern[j] == '\'') {
          if (j + 1 < pattern.size() && pattern[j + 1] == '\'') {
            quoted += '\'';
            j += 2;
            continue;
          }
          closed = true;
          break;
        }
        quoted += pattern[j++];
      }
      if (!closed) return std::nullopt;
      add_literal(quoted);
      i = j + 1;
      continue;
    }
    if (!IsAsciiLetter(c)) {
      add_literal(pattern.substr(i, 1));
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    if (run > 2) return std::nullopt;
    const bool two = run == 2;
    Field field{};
    switch (c) {
      case 'H':
        field = two ? Field::kHour24Padded : Field::kHour24;
        break;
      case 'h':
        field = two ? Field::kHour12Padded : Field::kHour12;
        break;
      case 'm':
        field = two ? Field::kMinutePadded : Field::kMinute;
        break;
      case 's':
        field = two ? Field::kSecondPadded : Field::kSecond;
        break;
      case 't':
        field = two ? Field::kAmPm : Field::kAmPmShort;
        break;
      default:
        return std::nullopt;
    }
    pieces.push_back({field, {}});
    i += run;
  }
  return pieces;
}

std::string_view TimePattern::Designator(Field field, bool pm) const {
  const std::string& whole = pm ? pm_ : am_;
  return field == Field::kAmPmShort ? FirstCharacter(whole) : std::string_view(whole);
}

// Readable means that every text the pattern makes names exactly one second of
// the day: hours, minutes and seconds are all present, a 12-hour clock has
// distinct AM and PM designators, and no two numbers run together in a way
// whose widths cannot be told apart.
bool TimePattern::Readable() const {
  bool hour = false;
  bool hour12 = false;
  bool minute = false;
  bool second = false;
  bool am_pm_distinct = false;
  bool am_pm_seen = false;
  int variable_in_run = 0;
  std::size_t longest = 0;
  for (const Piece& piece : pieces_) {
    longest +=
        piece.field == Field::kLiteral ? piece.literal.size()
        : piece.field == Field::kAmPm || piece.field == Field::kAmPmShort
            ? std::max(Designator(piece.field, false).size(), Designator(piece.field, true).size())
            : 2;
    switch (piece.field) {
      case Field::kLiteral:
        if (std::any_of(piece.literal.begin(), piece.literal.end(), IsDigit)) return false;
        variable_in_run = 0;
        continue;
      case Field::kAmPmShort:
      case Field::kAmPm: {
        const std::string_view am = Designator(piece.field, false);
        const std::string_view pm = Designator(piece.field, true);
        if (std::any_of(am.begin(), am.end(), IsDigit) ||
            std::any_of(pm.begin(), pm.end(), IsDigit)) {
          return false;
        }
        const bool distinct = !am.empty() && !pm.empty() && am != pm;
        am_pm_distinct = am_pm_seen ? am_pm_distinct && distinct : distinct;
        am_pm_seen = true;
        variable_in_run = 0;
        continue;
      }
      case Field::kHour12:
      case Field::kHour12Padded:
        hour12 = true;
        [[fallthrough]];
      case Field::kHour24:
      case Field::kHour24Padded:
        hour = true;
        break;
      case Field::kMinute:
      case Field::kMinutePadded:
        minute = true;
        break;
      case Field::kSecond:
      case Field::kSecondPadded:
        second = true;
        break;
    }
    const bool variable = piece.field == Field::kHour24 || piece.field == Field::kHour12 ||
                          piece.field == Field::kMinute || piece.field == Field::kSecond;
    if (variable && ++variable_in_run > 1) return false;
  }
  if (!hour || !minute || !second || longest > FormattedTime::kCapacity) return false;
  return !hour12 || (am_pm_seen && am_pm_distinct);
}

TimePattern TimePattern::TwentyFourHourForm() const {
  std::vector<Piece> pieces = pieces_;
  for (Piece& piece : pieces) {
    if (piece.field == Field::kHour12) piece.field = Field::kHour24;
    if (piece.field == Field::kHour12Padded) piece.field = Field::kHour24Padded;
  }

  std::vector<Piece> kept;
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k].field != Field::kAmPm && pieces[k].field != Field::kAmPmShort) {
      kept.push_back(pieces[k]);
      continue;
    }
    bool spaced_before = false;
    if (!kept.empty() && kept.back().field == Field::kLiteral) {
      std::string& before = kept.back().literal;
      while (std::size_t n = TrailingSpace(before)) {
        before.resize(before.size() - n);
        spaced_before = true;
      }
      if (before.empty()) kept.pop_back();
    }
    if (k + 1 < pieces.size() && pieces[k + 1].field == Field::kLiteral) {
      std::string& after = pieces[k + 1].literal;
      std::size_t cut = 0;
      while (std::size_t n = LeadingSpace(std::string_view(after).substr(cut))) cut += n;
      after.erase(0, cut);
      // A designator between two fields keeps one space where it had spaces on
      // both sides, so that "h tt mm" does not run its numbers together.
      const bool between = !kept.empty() && (!after.empty() || k + 2 < pieces.size());
      if (spaced_before && cut > 0 && between) after.insert(0, " ");
    }
  }

  TimePattern result;
  result.am_ = am_;
  result.pm_ = pm_;
  for (Piece& piece : kept) {
    if (piece.field == Field::kLiteral) {
      if (piece.literal.empty()) continue;
      if (!result.pieces_.empty() && result.pieces_.back().field == Field::kLiteral) {
        result.pieces_.back().literal += piece.literal;
        continue;
      }
    }
    result.pieces_.push_back(std::move(piece));
  }
  return result;
}

std::string TimePattern::Format(int seconds) const {
  std::string out;
  FormatTo(seconds, out);
  return out;
}

void TimePattern::FormatTo(int seconds, std::string& out) const {
  FormattedTime text;
  FormatTo(seconds, text);
  out.assign(text.View());
}

void TimePattern::FormatTo(int seconds, FormattedTime& out) const {
  const int v = ((seconds % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
  const int hour = v / 3600;
  const int minute = v / 60 % 60;
  const int second = v % 60;
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  char* p = out.bytes_.data();
  for (const Piece& piece : pieces_) {
    switch (piece.field) {
      case Field::kLiteral:
        p = std::copy(piece.literal.begin(), piece.literal.end(), p);
        break;
      case Field::kHour24:
        p = WriteNumber(hour, false, p);
        break;
      case Field::kHour24Padded:
        p = WriteNumber(hour, true, p);
        break;
      case Field::kHour12:
        p = WriteNumber(hour12, false, p);
        break;
      case Field::kHour12Padded:
        p = WriteNumber(hour12, true, p);
        break;
      case Field::kMinute:
        p = WriteNumber(minute, false, p);
        break;
      case Field::kMinutePadded:
        p = WriteNumber(minute, true, p);
        break;
      case Field::kSecond:
        p = WriteNumber(second, false, p);
        break;
      case Field::kSecondPadded:
        p = WriteNumber(second, true, p);
        break;
      case Field::kAmPmShort:
      case Field::kAmPm: {
        const std::string_view designator = Designator(piece.field, hour >= 12);
        p = std::copy(designator.begin(), designator.end(), p);
        break;
      }
    }
  }
  out.size_ = static_cast<std::size_t>(p - out.bytes_.data());
}

std::optional<int> TimePattern::Parse(std::string_view text) const {
  int value = 0;
  if (Match(0, text, Reading{}, text, value)) return value;
  return std::nullopt;
}

// Backtracking over the pieces: a one-letter field may have one or two digits.
// A complete reading counts only if formatting its value gives the text back,
// which rejects readings whose fields disagree ("13:00 AM", a repeated field).
bool TimePattern::Match(std::size_t index, std::string_view rest, Reading reading,
                        std::string_view whole, int& value) const {
  if (index == pieces_.size()) {
    if (!rest.empty()) return false;
    int hour = reading.hour24;
    if (hour < 0) {
      if (reading.hour12 < 0 || reading.pm < 0) return false;
      hour = reading.hour12 % 12 + (reading.pm == 1 ? 12 : 0);
    }
    const int candidate = hour * 3600 + reading.minute * 60 + reading.second;
    FormattedTime check;
    FormatTo(candidate, check);
    if (check.View() != whole) return false;
    value = candidate;
    return true;
  }

  const Piece& piece = pieces_[index];
  auto number = [&](int Reading::*slot, bool padded, int low, int high) {
    for (std::size_t width : {std::size_t{2}, std::size_t{1}}) {
      if (padded && width == 1) break;
      if (rest.size() < width || !IsDigit(rest[0]) || (width == 2 && !IsDigit(rest[1]))) continue;
      // The unpadded form writes one digit below ten, so "05" is not its text.
      if (!padded && width == 2 && rest[0] == '0') continue;
      const int n = width == 2 ? (rest[0] - '0') * 10 + (rest[1] - '0') : rest[0] - '0';
      if (n < low || n > high) continue;
      Reading next = reading;
      next.*slot = n;
      if (Match(index + 1, rest.substr(width), next, whole, value)) return true;
    }
    return false;
  };

  switch (piece.field) {
    case Field::kLiteral:
      return rest.starts_with(piece.literal) &&
             Match(index + 1, rest.substr(piece.literal.size()), reading, whole, value);
    case Field::kHour24:
      return number(&Reading::hour24, false, 0, 23);
    case Field::kHour24Padded:
      return number(&Reading::hour24, true, 0, 23);
    case Field::kHour12:
      return number(&Reading::hour12, false, 1, 12);
    case Field::kHour12Padded:
      return number(&Reading::hour12, true, 1, 12);
    case Field::kMinute:
      return number(&Reading::minute, false, 0, 59);
    case Field::kMinutePadded:
      return number(&Reading::minute, true, 0, 59);
    case Field::kSecond:
      return number(&Reading::second, false, 0, 59);
    case Field::kSecondPadded:
      return number(&Reading::second, true, 0, 59);
    case Field::kAmPmShort:
    case Field::kAmPm:
      for (int pm : {0, 1}) {
        const std::string_view designator = Designator(piece.field, pm == 1);
        if (!rest.starts_with(designator)) continue;
        Reading next = reading;
        next.pm = pm;
        if (Match(index + 1, rest.substr(designator.size()), next, whole, value)) return true;
      }
      return false;
  }
  return false;
}

std::string TimePattern::Text() const {
  std::string out;
  for (const Piece& piece : pieces_) {
    switch (piece.field) {
      case Field::kLiteral: {
        const bool quote = std::any_of(piece.literal.begin(), piece.literal.end(),
                                       [](char c) { return IsAsciiLetter(c) || c == '\''; });
        if (!quote) {
          out += piece.literal;
          break;
        }
        out += '\'';
        for (char c : piece.literal) {
          if (c == '\'') out += '\'';
          out += c;
        }
        out += '\'';
        break;
      }
      case Field::kHour24:
        out += "H";
        break;
      case Field::kHour24Padded:
        out += "HH";
        break;
      case Field::kHour12:
        out += "h";
        break;
      case Field::kHour12Padded:
        out += "hh";
        break;
      case Field::kMinute:
        out += "m";
        break;
      case Field::kMinutePadded:
        out += "mm";
        break;
      case Field::kSecond:
        out += "s";
        break;
      case Field::kSecondPadded:
        out += "ss";
        break;
      case Field::kAmPmShort:
        out += "t";
        break;
      case Field::kAmPm:
        out += "tt";
        break;
    }
  }
  return out;
}

}  // namespace mirt2
