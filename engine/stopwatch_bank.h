#pragma once

#include <array>
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

// The ten stopwatches of the window: their flags, start times and the texts
// that the time labels show. Commands only set flags and texts; the tick is the
// only place where the clock is turned into elapsed times. Stopwatch numbers
// run from 1 to 10.
//
// Each operation returns the texts whose value it changed.
class StopwatchBank {
 public:
  // regional: the user's long time format, for the start and current time of
  // day; elapsed times use its 24-hour form.
  StopwatchBank(Clock& clock, const TimePattern& regional);

  ChangedTexts StartOne(int i);
  ChangedTexts StopOne(int i);
  ChangedTexts StartAll();
  ChangedTexts StopAll();
  ChangedTexts ResetAll();
  ChangedTexts ClearSwitches();
  ChangedTexts Tick();

  [[nodiscard]] bool SwithT(int i) const { return swith_t_[Slot(i)]; }
  [[nodiscard]] bool SwithJ(int i) const { return swith_j_[Slot(i)]; }
  // The start time of day in seconds since midnight, as the tick took it.
  [[nodiscard]] int StrTime(int i) const { return str_time_[Slot(i)]; }
  [[nodiscard]] bool AnyRunning() const;

  [[nodiscard]] const std::string& StrJikanText() const { return str_jikan_text_; }
  [[nodiscard]] const std::string& ImaJikanText() const { return ima_jikan_text_; }
  [[nodiscard]] const std::string& JikanText(int i) const { return jikan_text_[Slot(i)]; }

 private:
  static std::size_t Slot(int i);
  static bool Assign(std::string& target, std::string_view value);
  ChangedTexts Halt(bool reset);

  Clock& clock_;
  TimePattern regional_;
  TimePattern elapsed_;

  std::array<bool, kStopwatchCount> swith_t_{};
  std::array<bool, kStopwatchCount> swith_j_{};
  std::array<int, kStopwatchCount> str_time_{};
  // Midnights passed since the start time was taken: a start time of day taken
  // before a midnight lies that many days before the current tick's day. -1
  // when the start reading fell after a midnight that the tick's own current
  // reading had not yet seen.
  std::array<int, kStopwatchCount> str_days_{};
  // The previous tick's current time of day, to see a midnight pass.
  std::optional<int> last_now_;

  // Whether a start has set the start time of day since start-up or the last
  // reset. Until one has, every tick holds the elapsed texts at the zero text.
  // Kept apart from the text, which reads "00:00:00" too after a start at
  // midnight under a two-digit hour.
  bool start_time_set_ = false;
  std::string str_jikan_text_;
  std::string ima_jikan_text_;
  std::array<std::string, kStopwatchCount> jikan_text_;
};

}  // namespace mirt2
