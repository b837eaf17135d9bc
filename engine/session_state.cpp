#include "session_state.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace mirt2 {

namespace {

using std::chrono::nanoseconds;

constexpr std::string_view kVersion = "v1";
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

constexpr char kZero = 'z';
constexpr char kStopped = 's';
constexpr char kRunning = 'r';

std::string Hex(std::uint32_t colour) {
  std::array<char, 6> digits{};
  for (int n = 5; n >= 0; --n) {
    digits[static_cast<std::size_t>(n)] = "0123456789ABCDEF"[colour & 0xFU];
    colour >>= 4U;
  }
  return {digits.data(), digits.size()};
}

std::string Colour(const std::optional<std::uint32_t>& colour) {
  return colour ? Hex(*colour) : std::string("-");
}

class Writer {
 public:
  Writer() : text_(kVersion) {}
  void Field(std::string_view key, std::string_view value) {
    text_.append(",").append(key).append("=").append(value);
  }
  void Field(std::string_view key, long long value) { Field(key, std::to_string(value)); }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// Reads the fields in their one order, each once; the first fault ends the reading.
class Reader {
 public:
  explicit Reader(std::string_view text) : rest_(text) {}

  [[nodiscard]] bool Failed() const { return !problem_.empty(); }
  [[nodiscard]] const std::string& Problem() const { return problem_; }
  bool Fail(std::string_view key, std::string_view what) {
    if (problem_.empty()) problem_ = std::string(key) + ": " + std::string(what);
    return false;
  }

  // The value of the next field, which must be key.
  std::optional<std::string_view> Value(std::string_view key) {
    if (Failed()) return std::nullopt;
    if (rest_.substr(0, 1) != "," || rest_.substr(1, key.size()) != key ||
        rest_.substr(1 + key.size(), 1) != "=") {
      Fail(key, "missing");
      return std::nullopt;
    }
    rest_.remove_prefix(key.size() + 2);
    const std::string_view value = rest_.substr(0, rest_.find(','));
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
  std::optional<long long> Number(std::string_view key, long long low, long long high) {
    const std::optional<std::string_view> value = Value(key);
    return value ? Number(key, *value, low, high) : std::nullopt;
  }

  std::optional<bool> Flag(std::string_view key) {
    const std::optional<long long> flag = Number(key, 0, 1);
    if (!flag) return std::nullopt;
    return *flag == 1;
  }

  // Six hex digits in capitals, or "-" for none; nullopt in the outer optional on a fault.
  std::optional<std::optional<std::uint32_t>> Colour(std::string_view key, bool may_be_none) {
    const std::optional<std::string_view> value = Value(key);
    if (!value) return std::nullopt;
    if (may_be_none && *value == "-") return std::make_optional(std::optional<std::uint32_t>());
    std::uint32_t colour = 0;
    const bool capitals =
        std::none_of(value->begin(), value->end(), [](char c) { return c >= 'a' && c <= 'f'; });
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, colour, 16);
    if (value->size() != 6 || !capitals || error != std::errc() || stop != end) {
      Fail(key, "not a colour");
      return std::nullopt;
    }
    return std::optional<std::uint32_t>(colour);
  }

  bool AtEnd() {
    if (Failed()) return false;
    return rest_.empty() || Fail("end", "more follows");
  }

 private:
  std::string_view rest_;
  std::string problem_;
};

bool Printable(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
           c == ',' || c == '=';
  });
}

bool BootName(std::string_view boot) {
  return boot.size() <= kMaxBoot && Printable(boot) &&
         boot.find_first_of(",=") == std::string_view::npos;
}

std::string StopwatchText(const StopwatchSnapshot& one) {
  switch (one.kind) {
    case StopwatchSnapshot::Kind::kStopped:
      return kStopped + std::to_string(one.seconds);
    case StopwatchSnapshot::Kind::kRunning:
      return kRunning + std::to_string(one.start.count());
    case StopwatchSnapshot::Kind::kZero:
      break;
  }
  return {kZero};
}

void ReadStopwatch(Reader& reader, const std::string& key, nanoseconds saved_real,
                   StopwatchSnapshot& one) {
  const std::optional<std::string_view> value = reader.Value(key);
  if (!value) return;
  if (*value == std::string_view(&kZero, 1)) return;
  const char kind = value->empty() ? kZero : value->front();
  const std::string_view number = value->substr(value->empty() ? 0 : 1);
  if (kind == kStopped) {
    if (const auto seconds = reader.Number(key, number, 0, kMaxSeconds)) {
      one.kind = StopwatchSnapshot::Kind::kStopped;
      one.seconds = *seconds;
    }
  } else if (kind == kRunning) {
    // Started no later than the moment saved, and no longer before it than a stopwatch runs:
    // before this boot too, for one that came back across a restart.
    const long long latest = saved_real.count();
    const long long earliest = latest - kMaxAge.count();
    if (const auto start = reader.Number(key, number, earliest, latest)) {
      one.kind = StopwatchSnapshot::Kind::kRunning;
      one.start = nanoseconds(*start);
    }
  } else {
    reader.Fail(key, "not a stopwatch");
  }
}

}  // namespace

std::string EncodeSessionState(const SessionState& state) {
  const WindowSnapshot& window = state.window;
  Writer out;
  out.Field("boot", state.moment.boot);
  out.Field("real", state.moment.real.count());
  out.Field("wall", state.moment.wall.count());
  out.Field("mode", window.mode);
  out.Field("options", window.options ? 1 : 0);
  out.Field("height", window.height);
  out.Field("left", window.left);
  out.Field("top", window.top);
  out.Field("start",
            state.bank.start_of_day ? std::to_string(*state.bank.start_of_day) : std::string("-"));
  out.Field("text", Colour(window.text_colour));
  out.Field("button", Colour(window.button_colour));
  out.Field("back", Colour(window.back_colour));
  out.Field("picker", Hex(window.picker_colour));
  out.Field("front", window.front ? 1 : 0);
  out.Field("numbered", window.numbered_next ? 1 : 0);
  for (int i = 1; i <= kStopwatchCount; ++i) {
    out.Field("w" + std::to_string(i),
              StopwatchText(state.bank.stopwatches[static_cast<std::size_t>(i - 1)]));
  }
  return out.Take();
}

DecodedState DecodeSessionState(std::string_view text) {
  if (text.size() > kMaxStateText) return {std::nullopt, "longer than any state"};
  if (!Printable(text)) return {std::nullopt, "characters no state has"};
  if (text.substr(0, text.find(',')) != kVersion) {
    return {std::nullopt, "not a state of this version of mirt2"};
  }
  Reader reader(text.substr(kVersion.size()));
  SessionState state;
  WindowSnapshot& window = state.window;
  if (const auto boot = reader.Value("boot")) {
    if (BootName(*boot))
      state.moment.boot = std::string(*boot);
    else
      reader.Fail("boot", "not a boot's name");
  }
  if (const auto real = reader.Number("real", 0, kMaxReal)) state.moment.real = nanoseconds(*real);
  if (const auto wall = reader.Number("wall", 0, kMaxWall)) state.moment.wall = nanoseconds(*wall);
  if (const auto mode = reader.Number("mode", 1, 10)) {
    if (*mode == 1 || *mode == 5 || *mode == 10)
      window.mode = static_cast<int>(*mode);
    else
      reader.Fail("mode", "not 1, 5 or 10");
  }
  if (const auto options = reader.Flag("options")) window.options = *options;
  if (const auto height = reader.Number("height", 1000, 9000))
    window.height = static_cast<int>(*height);
  if (const auto left = reader.Number("left", -kMaxPlace, kMaxPlace))
    window.left = static_cast<int>(*left);
  if (const auto top = reader.Number("top", -kMaxPlace, kMaxPlace))
    window.top = static_cast<int>(*top);
  if (const auto start = reader.Value("start"); start && *start != "-") {
    if (const auto seconds = reader.Number("start", *start, 0, kSecondsPerDay - 1)) {
      state.bank.start_of_day = static_cast<int>(*seconds);
    }
  }
  if (const auto colour = reader.Colour("text", true)) window.text_colour = *colour;
  if (const auto colour = reader.Colour("button", true)) window.button_colour = *colour;
  if (const auto colour = reader.Colour("back", true)) window.back_colour = *colour;
  if (const auto colour = reader.Colour("picker", false)) window.picker_colour = **colour;
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
