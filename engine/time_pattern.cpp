#include "time_pattern.h"

#include <algorithm>

#include "ascii.h"
#include "clock.h"

namespace mirt2 {

namespace {

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

// Two digits where padded, else as many as the number has: an elapsed time's hours may run to
// kMaxElapsedHours.
char* WriteNumber(long long n, bool padded, char* out) {
  std::array<char, 20> digits{};
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  if (padded && count == 1) *out++ = '0';
  while (count > 0) *out++ = digits[--count];
  return out;
}

// The most hours an elapsed time shows: 114 years, far past any run.
constexpr long long kMaxElapsedHours = 999'999;
constexpr std::size_t kHourDigits = 6;

}  // namespace

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

// How the texts of one designator choice (AM or PM) fall apart. Number fields
// write digits and nothing else does, so a text splits one way only into runs
// of digits and the text between them; fields with nothing or only empty
// designators between them share a run. The text between runs is the same in
// every text of the choice.
struct TimePattern::Shape {
  // Before the first run, between runs, after the last.
  std::vector<std::string> gaps;
  // The run of each number field, in order.
  std::vector<std::size_t> run_of;
  friend bool operator==(const Shape&, const Shape&) = default;
};

// nullopt when a text of the choice cannot be split back into its fields: a
// literal or designator with a digit, or a run with two fields of one or two
// digits ("105" may be 1 and 05 or 10 and 5). A run's other fields have two
// digits each, so its length tells the width of its one variable field.
std::optional<TimePattern::Shape> TimePattern::ShapeOf(bool pm) const {
  Shape shape{{""}, {}};
  bool in_run = false;
  int variable_in_run = 0;
  for (const Piece& piece : pieces_) {
    std::string_view text;
    switch (piece.field) {
      case Field::kLiteral:
        text = piece.literal;
        break;
      case Field::kAmPmShort:
      case Field::kAmPm:
        text = Designator(piece.field, pm);
        break;
      default: {
        const bool variable = piece.field == Field::kHour24 || piece.field == Field::kHour12 ||
                              piece.field == Field::kMinute || piece.field == Field::kSecond;
        if (!in_run) variable_in_run = 0;
        in_run = true;
        if (variable && ++variable_in_run > 1) return std::nullopt;
        shape.run_of.push_back(shape.gaps.size() - 1);
        continue;
      }
    }
    if (std::any_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
    if (text.empty()) continue;
    if (in_run) shape.gaps.emplace_back();
    in_run = false;
    shape.gaps.back() += text;
  }
  if (in_run) shape.gaps.emplace_back();
  return shape;
}

// Readable means that no two seconds of the day make the same text, so that
// reading a text back finds the one second that made it: hours, minutes and
// seconds are all present, each designator choice splits back into its fields,
// and an AM text never equals a PM text. The latter holds when the text
// between the digit runs differs between AM and PM, or when both choices have
// one shape and a 24-hour field writes the hour.
bool TimePattern::Readable() const {
  bool hour24 = false;
  bool hour12 = false;
  bool minute = false;
  bool second = false;
  std::size_t longest = 0;
  for (const Piece& piece : pieces_) {
    switch (piece.field) {
      case Field::kLiteral:
        longest += piece.literal.size();
        continue;
      case Field::kAmPmShort:
      case Field::kAmPm:
        // At least one: the 24-hour form may put a space in its place.
        longest += std::max({Designator(piece.field, false).size(),
                             Designator(piece.field, true).size(), std::size_t{1}});
        continue;
      case Field::kHour24:
      case Field::kHour24Padded:
        hour24 = true;
        // An elapsed time writes all its hours.
        longest += kHourDigits - 2;
        break;
      case Field::kHour12:
      case Field::kHour12Padded:
        hour12 = true;
        longest += kHourDigits - 2;
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
    longest += 2;
  }
  if (!(hour24 || hour12) || !minute || !second || longest > FormattedTime::kCapacity) {
    return false;
  }
  const std::optional<Shape> am = ShapeOf(false);
  const std::optional<Shape> pm = ShapeOf(true);
  if (!am || !pm) return false;
  if (am->gaps != pm->gaps) return true;
  return hour24 && *am == *pm;
}

// Designators go with the spaces beside them. Where one stood between spaces,
// or alone between two numbers, one space stays, so that neither "h tt mm" nor
// "httmm" runs its numbers together.
TimePattern TimePattern::TwentyFourHourForm() const {
  TimePattern result;
  result.am_ = am_;
  result.pm_ = pm_;
  std::vector<Piece>& out = result.pieces_;
  bool dropped = false;
  bool spaced_before = false;
  bool spaced_after = false;
  for (Piece piece : pieces_) {
    if (piece.field == Field::kAmPm || piece.field == Field::kAmPmShort) {
      if (!dropped && !out.empty() && out.back().field == Field::kLiteral) {
        std::string& before = out.back().literal;
        while (std::size_t n = TrailingSpace(before)) {
          before.resize(before.size() - n);
          spaced_before = true;
        }
        if (before.empty()) out.pop_back();
      }
      dropped = true;
      continue;
    }
    if (piece.field == Field::kHour12) piece.field = Field::kHour24;
    if (piece.field == Field::kHour12Padded) piece.field = Field::kHour24Padded;
    if (dropped && piece.field == Field::kLiteral) {
      std::size_t cut = 0;
      while (std::size_t n = LeadingSpace(std::string_view(piece.literal).substr(cut))) cut += n;
      piece.literal.erase(0, cut);
      spaced_after = spaced_after || cut > 0;
      if (piece.literal.empty()) continue;
    }
    if (dropped && !out.empty()) {
      const bool between_numbers =
          out.back().field != Field::kLiteral && piece.field != Field::kLiteral;
      if ((spaced_before && spaced_after) || between_numbers) {
        if (out.back().field != Field::kLiteral) out.push_back({});
        out.back().literal += ' ';
      }
    }
    dropped = spaced_before = spaced_after = false;
    if (piece.field == Field::kLiteral && !out.empty() && out.back().field == Field::kLiteral) {
      out.back().literal += piece.literal;
      continue;
    }
    out.push_back(std::move(piece));
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
  Write(v / 3600, v / 60 % 60, v % 60, out);
}

void TimePattern::FormatElapsedTo(long long seconds, FormattedTime& out) const {
  const long long v = std::clamp(seconds, 0LL, kMaxElapsedHours * 3600 + 3599);
  Write(v / 3600, static_cast<int>(v / 60 % 60), static_cast<int>(v % 60), out);
}

void TimePattern::Write(long long hour, int minute, int second, FormattedTime& out) const {
  const long long hour12 = hour % 12 == 0 ? 12 : hour % 12;
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
        const std::string_view designator = Designator(piece.field, hour % 24 >= 12);
        p = std::copy(designator.begin(), designator.end(), p);
        break;
      }
    }
  }
  out.size_ = static_cast<std::size_t>(p - out.bytes_.data());
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
