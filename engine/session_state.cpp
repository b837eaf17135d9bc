#include "session_state.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "display_modes.h"

namespace mirt2 {

namespace {

using std::chrono::nanoseconds;

constexpr std::string_view kVersion = "v2";
constexpr std::string_view kVersion1 = "v1";
constexpr std::string_view kEnd = ".end";
// A running or stopped time longer than this is no stopwatch's.
constexpr long long kMaxDays = 366;
constexpr long long kMaxSeconds = kMaxDays * kSecondsPerDay;
constexpr nanoseconds kMaxAge = std::chrono::seconds(kMaxSeconds);
// Beyond any clock a computer shows: a real-time clock after 31 years up, a wall clock after
// 2096. Keeps every sum of them within 64 bits.
constexpr long long kMaxReal = 1'000'000'000'000'000'000;
constexpr long long kMaxWall = 4'000'000'000'000'000'000;
// Further from the screens' origin than any screen reaches.
constexpr long long kMaxPlace = 1'000'000;
constexpr std::size_t kMaxBoot = 64;
constexpr std::size_t kColourDigits = 6;

constexpr char kZero = 'z';
constexpr char kStopped = 's';
constexpr char kRunning = 'r';
// Between a stopped stopwatch's seconds and the real time it ran.
constexpr char kRan = ':';

std::string Hex(std::uint32_t colour) {
  std::array<char, kColourDigits> digits{};
  for (std::size_t n = kColourDigits; n-- > 0;) {
    digits[n] = "0123456789ABCDEF"[colour & 0xFU];
    colour >>= 4U;
  }
  return {digits.data(), digits.size()};
}

// Writes the fields that differ from a fresh window's, in their one order.
class Writer {
 public:
  Writer() : text_(kVersion) {}
  void Field(std::string_view key, std::string_view value) {
    text_.append(".").append(key).append("=").append(value);
  }
  void Field(std::string_view key, long long value, long long fresh) {
    if (value != fresh) Field(key, std::to_string(value));
  }
  void Colour(std::string_view key, std::optional<std::uint32_t> colour) {
    if (colour) Field(key, Hex(*colour));
  }
  std::string Take() { return std::move(text_.append(kEnd)); }

 private:
  std::string text_;
};

// Reads the fields in their one order, each once; the first fault ends the reading. In the
// present form a field is left out where a fresh window's value stands, and spelled out only where
// it differs; in the earlier one every field is there, joined by commas.
class Reader {
 public:
  Reader(std::string_view text, bool earlier)
      : rest_(text), separator_(earlier ? ',' : '.'), earlier_(earlier) {}

  [[nodiscard]] bool Failed() const { return !problem_.empty(); }
  [[nodiscard]] bool Earlier() const { return earlier_; }
  [[nodiscard]] const std::string& Problem() const { return problem_; }
  bool Fail(std::string_view key, std::string_view what) {
    if (problem_.empty()) problem_ = std::string(key) + ": " + std::string(what);
    return false;
  }

  // The value of the next field if it is key; nullopt where it is left out, or on a fault.
  std::optional<std::string_view> Value(std::string_view key) {
    if (Failed()) return std::nullopt;
    if (rest_.substr(0, 1) != std::string_view(&separator_, 1) ||
        rest_.substr(1, key.size()) != key || rest_.substr(1 + key.size(), 1) != "=") {
      if (earlier_) Fail(key, "missing");
      return std::nullopt;
    }
    rest_.remove_prefix(key.size() + 2);
    const std::string_view value = rest_.substr(0, rest_.find(separator_));
    rest_.remove_prefix(value.size());
    return value;
  }

  // A whole number in [low, high] in its one spelling: digits, no sign but a minus below zero,
  // no leading zero.
  std::optional<long long> Number(std::string_view key, std::string_view value, long long low,
                                  long long high) {
    long long number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    const bool padded = value.size() > 1 && (value[0] == '0' || value.substr(0, 2) == "-0");
    if (value.empty() || error != std::errc() || stop != end || padded) {
      Fail(key, "not a number");
      return std::nullopt;
    }
    if (number < low || number > high) {
      Fail(key, "out of range");
      return std::nullopt;
    }
    return number;
  }
  // A field that a fresh window has at `fresh`, which the present form leaves out.
  std::optional<long long> Number(std::string_view key, long long low, long long high,
                                  long long fresh) {
    const std::optional<std::string_view> value = Value(key);
    if (!value) return std::nullopt;
    const std::optional<long long> number = Number(key, *value, low, high);
    if (number && *number == fresh && !earlier_) {
      Fail(key, "left out where it is a fresh window's");
      return std::nullopt;
    }
    return number;
  }

  std::optional<bool> Flag(std::string_view key) {
    const std::optional<long long> flag = Number(key, 0, 1, 0);
    if (!flag) return std::nullopt;
    return *flag == 1;
  }

  // Six hex digits in capitals.
  std::optional<std::uint32_t> Colour(std::string_view key, std::string_view value) {
    std::uint32_t colour = 0;
    const bool capitals =
        std::none_of(value.begin(), value.end(), [](char c) { return c >= 'a' && c <= 'f'; });
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, colour, 16);
    if (value.size() != kColourDigits || !capitals || error != std::errc() || stop != end) {
      Fail(key, "not a colour");
      return std::nullopt;
    }
    return colour;
  }
  // A colour that a fresh window has none of: "-" in the earlier form, left out in the present.
  std::optional<std::optional<std::uint32_t>> OptionalColour(std::string_view key) {
    const std::optional<std::string_view> value = Value(key);
    if (!value) return std::nullopt;
    if (earlier_ && *value == "-") return std::make_optional(std::optional<std::uint32_t>());
    const std::optional<std::uint32_t> colour = Colour(key, *value);
    if (!colour) return std::nullopt;
    return std::make_optional(colour);
  }

  // The present form closes with a mark of its own, so that a text cut short after any field
  // is no state.
  bool AtEnd() {
    if (Failed()) return false;
    if (rest_ == (earlier_ ? std::string_view() : kEnd)) return true;
    return Fail("end", rest_.empty() ? "cut short" : "more follows");
  }

 private:
  std::string_view rest_;
  char separator_;
  bool earlier_;
  std::string problem_;
};

bool Printable(std::string_view text, std::string_view marks) {
  return std::all_of(text.begin(), text.end(), [marks](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           marks.find(c) != std::string_view::npos;
  });
}

bool BootName(std::string_view boot) {
  return boot.size() <= kMaxBoot && Printable(boot, "-");
}

std::string StopwatchText(const StopwatchSnapshot& one) {
  switch (one.kind) {
    case StopwatchSnapshot::Kind::kStopped:
      return kStopped + std::to_string(one.seconds) + kRan + std::to_string(one.ran.count());
    case StopwatchSnapshot::Kind::kRunning:
      return kRunning + std::to_string(one.start.count());
    case StopwatchSnapshot::Kind::kZero:
      break;
  }
  return {kZero};
}

void ReadStopped(Reader& reader, const std::string& key, std::string_view value,
                 StopwatchSnapshot& one) {
  // The earlier form kept the whole seconds alone: the time ran is taken as those.
  const std::size_t mark = reader.Earlier() ? value.size() : value.find(kRan);
  if (mark == std::string_view::npos) {
    reader.Fail(key, "not a stopwatch");
    return;
  }
  const auto seconds = reader.Number(key, value.substr(0, mark), 0, kMaxSeconds);
  if (!seconds) return;
  std::optional<long long> ran = std::chrono::nanoseconds(std::chrono::seconds(*seconds)).count();
  if (!reader.Earlier()) ran = reader.Number(key, value.substr(mark + 1), 0, kMaxAge.count());
  if (!ran) return;
  one.kind = StopwatchSnapshot::Kind::kStopped;
  one.seconds = *seconds;
  one.ran = nanoseconds(*ran);
}

void ReadStopwatch(Reader& reader, const std::string& key, nanoseconds saved_real,
                   StopwatchSnapshot& one) {
  const std::optional<std::string_view> value = reader.Value(key);
  if (!value) return;
  if (*value == std::string_view(&kZero, 1)) {
    // The present form leaves a stopwatch at zero out.
    if (!reader.Earlier()) reader.Fail(key, "left out where it is a fresh window's");
    return;
  }
  const char kind = value->empty() ? kZero : value->front();
  const std::string_view rest = value->substr(value->empty() ? 0 : 1);
  if (kind == kStopped) {
    ReadStopped(reader, key, rest, one);
  } else if (kind == kRunning) {
    // Started no later than the moment saved, and no longer before it than a stopwatch runs:
    // before this boot too, for one that came back across a restart.
    const long long latest = saved_real.count();
    const long long earliest = latest - kMaxAge.count();
    if (const auto start = reader.Number(key, rest, earliest, latest)) {
      one.kind = StopwatchSnapshot::Kind::kRunning;
      one.start = nanoseconds(*start);
    }
  } else {
    reader.Fail(key, "not a stopwatch");
  }
}

// Six hex digits a slot, up to the last slot that is not white.
std::string CustomColoursText(const CustomColours& colours) {
  std::size_t used = kCustomColourCount;
  while (used > 0 && colours[used - 1] == kNoCustomColours[used - 1]) --used;
  std::string text;
  for (std::size_t n = 0; n < used; ++n) text += Hex(colours[n]);
  return text;
}

void ReadCustomColours(Reader& reader, CustomColours& colours) {
  const std::optional<std::string_view> value = reader.Value("custom");
  if (!value) return;
  const std::size_t used = value->size() / kColourDigits;
  if (value->empty() || value->size() % kColourDigits != 0 || used > kCustomColourCount) {
    reader.Fail("custom", "not a list of colours");
    return;
  }
  for (std::size_t n = 0; n < used; ++n) {
    const auto colour = reader.Colour("custom", value->substr(n * kColourDigits, kColourDigits));
    if (!colour) return;
    colours[n] = *colour;
  }
  if (colours[used - 1] == kNoCustomColours[used - 1]) {
    reader.Fail("custom", "a white slot at the end, which is left out");
  }
}

// "not 1, 5 or 10": the modes a restore may name.
std::string NotADisplayMode() {
  std::string text = "not ";
  for (std::size_t n = 0; n < kDisplayModeCount; ++n) {
    if (n > 0) text += n + 1 < kDisplayModeCount ? ", " : " or ";
    text += std::to_string(kDisplayModes[n].panels);
  }
  return text;
}

}  // namespace

std::string EncodeSessionState(const SessionState& state) {
  const WindowSnapshot& window = state.window;
  const WindowSnapshot fresh;
  Writer out;
  if (!state.moment.boot.empty()) out.Field("boot", state.moment.boot);
  out.Field("real", state.moment.real.count(), 0);
  out.Field("wall", state.moment.wall.count(), 0);
  out.Field("mode", window.mode, fresh.mode);
  out.Field("options", window.options ? 1 : 0, 0);
  out.Field("height", window.height, fresh.height);
  out.Field("left", window.left, fresh.left);
  out.Field("top", window.top, fresh.top);
  if (state.bank.start_of_day) out.Field("start", std::to_string(*state.bank.start_of_day));
  out.Colour("text", window.text_colour);
  out.Colour("button", window.button_colour);
  out.Colour("back", window.back_colour);
  if (window.picker_colour != fresh.picker_colour) out.Field("picker", Hex(window.picker_colour));
  if (window.custom_colours != fresh.custom_colours) {
    out.Field("custom", CustomColoursText(window.custom_colours));
  }
  out.Field("front", window.front ? 1 : 0, 0);
  out.Field("numbered", window.numbered_next ? 1 : 0, 0);
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const StopwatchSnapshot& one = state.bank.stopwatches[static_cast<std::size_t>(i - 1)];
    if (one.kind != StopwatchSnapshot::Kind::kZero) {
      out.Field("w" + std::to_string(i), StopwatchText(one));
    }
  }
  return out.Take();
}

DecodedState DecodeSessionState(std::string_view text) {
  if (text.size() > kMaxStateText) return {std::nullopt, "longer than any state"};
  const bool earlier = text.starts_with(kVersion1) && text.substr(kVersion1.size(), 1) == ",";
  if (!Printable(text, earlier ? "-,=" : "-.:=")) return {std::nullopt, "characters no state has"};
  const std::string_view version = text.substr(0, text.find(earlier ? ',' : '.'));
  if (version != (earlier ? kVersion1 : kVersion)) {
    return {std::nullopt, "not a state of this version of mirt2"};
  }
  Reader reader(text.substr(version.size()), earlier);
  SessionState state;
  WindowSnapshot& window = state.window;
  if (const auto boot = reader.Value("boot")) {
    if (BootName(*boot) && !(boot->empty() && !earlier))
      state.moment.boot = std::string(*boot);
    else
      reader.Fail("boot", "not a boot's name");
  }
  if (const auto real = reader.Number("real", 0, kMaxReal, 0))
    state.moment.real = nanoseconds(*real);
  if (const auto wall = reader.Number("wall", 0, kMaxWall, 0))
    state.moment.wall = nanoseconds(*wall);
  if (const auto mode = reader.Number("mode", 1, kStopwatchCount, window.mode)) {
    if (FindDisplayMode(static_cast<int>(*mode)) != nullptr)
      window.mode = static_cast<int>(*mode);
    else
      reader.Fail("mode", NotADisplayMode());
  }
  if (const auto options = reader.Flag("options")) window.options = *options;
  if (const auto height = reader.Number("height", 1000, 9000, window.height))
    window.height = static_cast<int>(*height);
  if (const auto left = reader.Number("left", -kMaxPlace, kMaxPlace, window.left))
    window.left = static_cast<int>(*left);
  if (const auto top = reader.Number("top", -kMaxPlace, kMaxPlace, window.top))
    window.top = static_cast<int>(*top);
  if (const auto start = reader.Value("start"); start && !(earlier && *start == "-")) {
    if (const auto seconds = reader.Number("start", *start, 0, kSecondsPerDay - 1)) {
      state.bank.start_of_day = static_cast<int>(*seconds);
    }
  }
  if (const auto colour = reader.OptionalColour("text")) window.text_colour = *colour;
  if (const auto colour = reader.OptionalColour("button")) window.button_colour = *colour;
  if (const auto colour = reader.OptionalColour("back")) window.back_colour = *colour;
  if (const auto picker = reader.Value("picker")) {
    if (const auto colour = reader.Colour("picker", *picker)) {
      if (*colour == window.picker_colour && !earlier)
        reader.Fail("picker", "left out where it is a fresh window's");
      window.picker_colour = *colour;
    }
  }
  if (!earlier) ReadCustomColours(reader, window.custom_colours);
  if (const auto front = reader.Flag("front")) window.front = *front;
  if (const auto numbered = reader.Flag("numbered")) window.numbered_next = *numbered;
  for (int i = 1; i <= kStopwatchCount; ++i) {
    ReadStopwatch(reader, "w" + std::to_string(i), state.moment.real,
                  state.bank.stopwatches[static_cast<std::size_t>(i - 1)]);
  }
  if (!reader.AtEnd()) return {std::nullopt, reader.Problem()};
  // Reset leaves every stopwatch at the zero text, and only a start sets the start time again.
  const bool any_time = std::any_of(
      state.bank.stopwatches.begin(), state.bank.stopwatches.end(),
      [](const StopwatchSnapshot& one) { return one.kind != StopwatchSnapshot::Kind::kZero; });
  if (any_time && !state.bank.start_of_day) {
    return {std::nullopt, "start: times without a start time"};
  }
  return {std::move(state), {}};
}

std::optional<nanoseconds> ClockShift(const SavedMoment& saved, const ClockReading& now,
                                      std::string_view boot) {
  if (!boot.empty() && boot == saved.boot) {
    if (saved.real > now.real) return std::nullopt;
    return nanoseconds(0);
  }
  const nanoseconds since =
      std::clamp(now.wall - saved.wall, nanoseconds(0), nanoseconds(kMaxReal));
  return now.real - since - saved.real;
}

}  // namespace mirt2
