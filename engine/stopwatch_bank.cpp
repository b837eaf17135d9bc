#include "stopwatch_bank.h"

#include <cstdlib>
#include <stdexcept>

namespace mirt2 {

namespace {
// A reading this far below the previous tick's means that a midnight has
// passed between the two ticks; this far above, that the clock was set back
// across a midnight. No tick interval or ordinary clock change comes near it.
constexpr int kMidnightJump = kSecondsPerDay / 2;
}  // namespace

StopwatchBank::StopwatchBank(Clock& clock, const TimePattern& regional)
    : clock_(clock),
      regional_(regional),
      elapsed_(regional.TwentyFourHourForm()),
      str_jikan_text_(kZeroText),
      ima_jikan_text_(kZeroText) {
  jikan_text_.fill(std::string(kZeroText));
}

std::size_t StopwatchBank::Slot(int i) {
  if (i < 1 || i > kStopwatchCount) throw std::out_of_range("stopwatch number out of range");
  return static_cast<std::size_t>(i - 1);
}

bool StopwatchBank::Assign(std::string& target, std::string_view value) {
  if (target == value) return false;
  target.assign(value);
  return true;
}

bool StopwatchBank::AnyRunning() const {
  for (bool running : swith_t_) {
    if (running) return true;
  }
  return false;
}

ChangedTexts StopwatchBank::StartOne(int i) {
  const std::size_t slot = Slot(i);
  ChangedTexts changed;
  // The start time of day belongs to the run as a whole: only a start made
  // while nothing runs begins a new one.
  if (!AnyRunning()) {
    if (Assign(str_jikan_text_, regional_.Format(clock_.Time()))) changed.MarkStrJikan();
    start_time_set_ = true;
  }
  swith_t_[slot] = true;
  swith_j_[slot] = true;
  return changed;
}

ChangedTexts StopwatchBank::StopOne(int i) {
  const std::size_t slot = Slot(i);
  swith_t_[slot] = false;
  swith_j_[slot] = false;
  return {};
}

ChangedTexts StopwatchBank::StartAll() {
  ChangedTexts changed;
  if (Assign(str_jikan_text_, regional_.Format(clock_.Time()))) changed.MarkStrJikan();
  start_time_set_ = true;
  for (int i = 1; i <= kStopwatchCount; ++i) {
    if (Assign(jikan_text_[Slot(i)], kZeroText)) changed.MarkJikan(i);
  }
  swith_t_.fill(true);
  swith_j_.fill(true);
  return changed;
}

ChangedTexts StopwatchBank::StopAll() {
  return Halt(false);
}

ChangedTexts StopwatchBank::ResetAll() {
  return Halt(true);
}

ChangedTexts StopwatchBank::ClearSwitches() {
  return Halt(false);
}

ChangedTexts StopwatchBank::Halt(bool reset) {
  ChangedTexts changed;
  if (reset) {
    if (Assign(str_jikan_text_, kZeroText)) changed.MarkStrJikan();
    start_time_set_ = false;
    for (int i = 1; i <= kStopwatchCount; ++i) {
      if (Assign(jikan_text_[Slot(i)], kZeroText)) changed.MarkJikan(i);
    }
  }
  swith_t_.fill(false);
  swith_j_.fill(false);
  return changed;
}

ChangedTexts StopwatchBank::Tick() {
  ChangedTexts changed;

  FormattedTime text;
  const int reading = clock_.Time();
  regional_.FormatTo(reading, text);
  if (Assign(ima_jikan_text_, text.View())) changed.MarkImaJikan();

  // Times of day carry no date, so a run across midnight is seen here: running
  // stopwatches then count from one day earlier (or later, when the clock was
  // set back across midnight).
  if (last_now_) {
    int day_step = 0;
    if (reading < *last_now_ - kMidnightJump) day_step = 1;
    if (reading > *last_now_ + kMidnightJump) day_step = -1;
    for (std::size_t s = 0; day_step != 0 && s < kStopwatchCount; ++s) {
      if (swith_t_[s] && !swith_j_[s]) str_days_[s] += day_step;
    }
  }
  last_now_ = reading;

  // Each armed stopwatch takes its own reading; when the second changes after
  // the current time was read, its first elapsed value is one second.
  for (std::size_t s = 0; s < kStopwatchCount; ++s) {
    if (!(swith_t_[s] && swith_j_[s])) continue;
    const int start = clock_.Time();
    str_time_[s] = start;
    str_days_[s] = start < reading - kMidnightJump ? -1 : 0;
  }

  if (!start_time_set_) {
    for (int i = 1; i <= kStopwatchCount; ++i) {
      if (Assign(jikan_text_[Slot(i)], kZeroText)) changed.MarkJikan(i);
    }
  }

  if (!AnyRunning()) return changed;
  // The current time is read back from the text just written; it is the same
  // reading, since the pattern only accepts formats that read back exactly.
  const int now = regional_.Parse(ima_jikan_text_).value_or(reading);
  // Stopwatches started together show the same value; it is formatted once.
  int formatted = -1;
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const std::size_t s = Slot(i);
    if (!swith_t_[s]) continue;
    const long long difference = static_cast<long long>(now) +
                                 static_cast<long long>(str_days_[s]) * kSecondsPerDay -
                                 str_time_[s];
    const int shown = static_cast<int>(std::llabs(difference) % kSecondsPerDay);
    if (shown != formatted) {
      elapsed_.FormatTo(shown, text);
      formatted = shown;
    }
    if (Assign(jikan_text_[s], text.View())) changed.MarkJikan(i);
    swith_j_[s] = false;
  }
  return changed;
}

}  // namespace mirt2
