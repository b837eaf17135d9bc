#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "changed_texts.h"
#include "clock.h"
#include "time_pattern.h"

namespace mirt2 {

inline constexpr int kStopwatchCount = 10;
// The initial text of the twelve time labels, and what start-all and reset write.
inline constexpr std::string_view kZeroText = "00:00:00";

// One stopwatch as it stands, as a plain value that can travel to another run of the program.
struct StopwatchSnapshot {
  enum class Kind : char { kZero, kStopped, kRunning };
  Kind kind = Kind::kZero;
  // Stopped: the whole seconds it shows, whole days included,
  long long seconds = 0;
  // and the real time it ran, exactly: the text turned over with the wall clock's seconds, so the
  // two differ by less than a second either way.
  std::chrono::nanoseconds ran{0};
  // Running: when it started, on the real-time clock.
  std::chrono::nanoseconds start{0};
  friend bool operator==(const StopwatchSnapshot&, const StopwatchSnapshot&) = default;
};

// The ten stopwatches and the start time of day, as they stand.
struct BankSnapshot {
  // The start time of day in seconds since midnight; none while it reads the zero text.
  std::optional<int> start_of_day;
  std::array<StopwatchSnapshot, kStopwatchCount> stopwatches{};
  friend bool operator==(const BankSnapshot&, const BankSnapshot&) = default;
};

// The ten stopwatches of the window: their flags, start times and the texts
// that the time labels show. Commands only set flags and texts; the tick is the
// only place where the clock is turned into elapsed times. An elapsed time is
// the real time that has passed since the start, through every change of the
// wall clock and every sleep of the computer, in whole seconds that turn over
// with the wall clock's. Stopwatch numbers run from 1 to 10.
//
// Each operation returns the texts whose value it changed.
class StopwatchBank {
 public:
  // regional: the user's long time format, for the start and current time of
  // day; elapsed times use its 24-hour form.
  StopwatchBank(Clock& clock, const TimePattern& regional);

  ChangedTexts StartOne(int i);
  ChangedTexts StopOne(int i);
  // 続きから: a stopped stopwatch runs on from the real time it ran, from now; its text follows
  // at the next tick. Nothing where it runs or shows the zero text (see CanContinue).
  ChangedTexts ContinueOne(int i);
  // 0 に戻す: stopwatch i alone stops and shows the zero text.
  ChangedTexts ResetOne(int i);
  // Neither touches the start time of day: a continuation is not a beginning, and one
  // stopwatch cleared is not all.
  [[nodiscard]] bool CanContinue(int i) const;
  ChangedTexts StartAll();
  ChangedTexts StopAll();
  ChangedTexts ResetAll();
  ChangedTexts ClearSwitches();
  ChangedTexts Tick();

  // The bank as it stands. A stopwatch armed but not yet ticked counts as started at the last
  // tick.
  [[nodiscard]] BankSnapshot Snapshot() const;
  // Puts the bank as a snapshot left it. shift: how far this run's real-time clock lies from
  // the one the snapshot's starts were read on. A running stopwatch shows its time from the next
  // tick on.
  ChangedTexts Restore(const BankSnapshot& saved, std::chrono::nanoseconds shift);

  [[nodiscard]] bool SwithT(int i) const { return swith_t_[Slot(i)]; }
  [[nodiscard]] bool SwithJ(int i) const { return swith_j_[Slot(i)]; }
  // The start as the tick took it: the moment on the real-time clock, moved
  // onto the wall clock's seconds as the tick saw them (see SecondBegan).
  [[nodiscard]] std::chrono::nanoseconds StrTime(int i) const { return str_time_[Slot(i)]; }
  [[nodiscard]] bool AnyRunning() const;
  // How far the wall clock was into its second when the last tick read it: the
  // next tick is aimed at the next second from it.
  [[nodiscard]] std::chrono::nanoseconds TickIntoSecond() const { return tick_into_second_; }

  [[nodiscard]] const std::string& StrJikanText() const { return str_jikan_text_; }
  [[nodiscard]] const std::string& ImaJikanText() const { return ima_jikan_text_; }
  [[nodiscard]] const std::string& JikanText(int i) const { return jikan_text_[Slot(i)]; }

 private:
  static std::size_t Slot(int i);
  static bool Assign(std::string& target, std::string_view value);
  ChangedTexts Halt(bool reset);
  void Stop(std::size_t slot);
  void KeepRan(std::size_t slot);
  ChangedTexts SetStartOfDay(int seconds);
  std::chrono::nanoseconds SecondBegan(const ClockReading& reading);

  Clock& clock_;
  TimePattern regional_;
  TimePattern elapsed_;

  std::array<bool, kStopwatchCount> swith_t_{};
  std::array<bool, kStopwatchCount> swith_j_{};
  std::array<std::chrono::nanoseconds, kStopwatchCount> str_time_{};
  // The whole seconds each running stopwatch last showed, days included.
  std::array<long long, kStopwatchCount> shown_seconds_{};
  // The real time each stopped stopwatch ran, up to the last tick before its stop.
  std::array<std::chrono::nanoseconds, kStopwatchCount> ran_{};
  // When, on the real-time clock, a second of the wall clock began; every
  // other second begins a whole number of seconds before or after it until the
  // wall clock is set.
  std::optional<std::chrono::nanoseconds> second_grid_;
  std::chrono::nanoseconds tick_into_second_{0};
  std::chrono::nanoseconds last_tick_real_{0};

  // Whether a start has set the start time of day since start-up or the last
  // reset. Until one has, every tick holds the elapsed texts at the zero text.
  // Kept apart from the text, which reads "00:00:00" too after a start at
  // midnight under a two-digit hour.
  bool start_time_set_ = false;
  int start_of_day_ = 0;
  std::string str_jikan_text_;
  std::string ima_jikan_text_;
  std::array<std::string, kStopwatchCount> jikan_text_;
};

}  // namespace mirt2
