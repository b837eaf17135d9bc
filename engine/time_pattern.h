#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirt2 {

// A formatted time text, built on the stack: the tick formats up to eleven of
// them each time and keeps only those that changed.
class FormattedTime {
 public:
  // A pattern's literals, designators and fields, an elapsed time's six-digit hours included.
  static constexpr std::size_t kCapacity = 72;
  [[nodiscard]] std::string_view View() const { return {bytes_.data(), size_}; }

 private:
  friend class TimePattern;
  // Left uninitialised: only the first size_ bytes are ever read.
  std::array<char, kCapacity> bytes_;
  std::size_t size_ = 0;
};

// A time-of-day text format in the Windows style: H HH (0-23), h hh (1-12),
// m mm, s ss, t tt (first character / whole AM or PM designator), literal text,
// and literals in single quotes ('' is an apostrophe). Texts are UTF-8.
//
// Only patterns that tell every second of the day from every other, and whose
// texts fit a FormattedTime, are accepted: no two seconds may look alike. The
// 24-hour form of an accepted pattern tells them apart too.
class TimePattern {
 public:
  // The Japanese default long time format, used where the platform offers none.
  static constexpr std::string_view kDefaultPattern = "H:mm:ss";

  static TimePattern Default();
  static std::optional<TimePattern> Compile(std::string_view pattern, std::string_view am = "AM",
                                            std::string_view pm = "PM");
  static TimePattern CompileOrDefault(std::string_view pattern, std::string_view am,
                                      std::string_view pm);

  // The same pattern in 24-hour form: h becomes H, hh becomes HH, and an AM/PM
  // field is dropped with the spaces beside it. An elapsed time of five seconds
  // must not read "12:00:05 AM".
  [[nodiscard]] TimePattern TwentyFourHourForm() const;

  // Values outside [0, 86400) are taken modulo one day.
  [[nodiscard]] std::string Format(int seconds) const;
  void FormatTo(int seconds, std::string& out) const;
  void FormatTo(int seconds, FormattedTime& out) const;
  // An elapsed time: its hour field writes all the hours, a day and more included ("25:01:01"),
  // up to 999999; negative times read as zero.
  void FormatElapsedTo(long long seconds, FormattedTime& out) const;

  // The pattern in written form, literals quoted where they need it.
  [[nodiscard]] std::string Text() const;

  friend bool operator==(const TimePattern&, const TimePattern&) = default;

 private:
  enum class Field : unsigned char {
    kLiteral,
    kHour24,
    kHour24Padded,
    kHour12,
    kHour12Padded,
    kMinute,
    kMinutePadded,
    kSecond,
    kSecondPadded,
    kAmPmShort,
    kAmPm,
  };
  struct Piece {
    Field field = Field::kLiteral;
    std::string literal;
    friend bool operator==(const Piece&, const Piece&) = default;
  };
  struct Shape;

  TimePattern() = default;
  static std::optional<std::vector<Piece>> Tokenize(std::string_view pattern);
  [[nodiscard]] bool Readable() const;
  [[nodiscard]] std::optional<Shape> ShapeOf(bool pm) const;
  [[nodiscard]] std::string_view Designator(Field field, bool pm) const;
  void Write(long long hour, int minute, int second, FormattedTime& out) const;

  std::vector<Piece> pieces_;
  std::string am_;
  std::string pm_;
};

}  // namespace mirt2
