#include "stopwatch_bank.h"

#include <algorithm>
#include <stdexcept>

namespace mirt2 {

namespace {
using std::chrono::nanoseconds;
using std::chrono::seconds;

// The two clocks of a reading are read within microseconds of each other
// (SystemClock); a wall clock that has moved against the real-time clock by
// more than this has been set, or has drifted that far.
constexpr nanoseconds kGridTolerance = std::chrono::milliseconds(2);
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
  if (!AnyRunning()) changed = SetStartOfDay(clock_.Now().time_of_day);
  // Stopped before the next tick, it keeps the time it shows, to continue from.
  KeepRan(slot);
  swith_t_[slot] = true;
  swith_j_[slot] = true;
  return changed;
}

ChangedTexts StopwatchBank::StopOne(int i) {
  Stop(Slot(i));
  return {};
}

// Up to the last tick. One armed, or continued, and not yet ticked keeps what it had, as its text
// does.
void StopwatchBank::KeepRan(std::size_t slot) {
  if (swith_t_[slot] && !swith_j_[slot]) {
    ran_[slot] = std::max(ran_[slot], last_tick_real_ - str_time_[slot]);
  }
}

bool StopwatchBank::CanContinue(int i) const {
  const std::size_t slot = Slot(i);
  return !swith_t_[slot] && jikan_text_[slot] != kZeroText;
}

// The start is set directly from the time it ran, not armed for the next tick, which would
// count from zero; the text it shows stays until a tick passes it, so it never counts down.
ChangedTexts StopwatchBank::ContinueOne(int i) {
  if (!CanContinue(i)) return {};
  const std::size_t slot = Slot(i);
  str_time_[slot] = clock_.Now().real - ran_[slot];
  swith_t_[slot] = true;
  swith_j_[slot] = false;
  return {};
}

ChangedTexts StopwatchBank::ResetOne(int i) {
  const std::size_t slot = Slot(i);
  Stop(slot);
  ran_[slot] = nanoseconds(0);
  shown_seconds_[slot] = 0;
  ChangedTexts changed;
  if (Assign(jikan_text_[slot], kZeroText)) changed.MarkJikan(i);
  return changed;
}

// The text stays as the last tick left it, and so does the real time it ran: up to that tick.
void StopwatchBank::Stop(std::size_t slot) {
  KeepRan(slot);
  swith_t_[slot] = false;
  swith_j_[slot] = false;
}

ChangedTexts StopwatchBank::StartAll() {
  ChangedTexts changed = SetStartOfDay(clock_.Now().time_of_day);
  for (int i = 1; i <= kStopwatchCount; ++i) {
    if (Assign(jikan_text_[Slot(i)], kZeroText)) changed.MarkJikan(i);
  }
  swith_t_.fill(true);
  swith_j_.fill(true);
  return changed;
}

ChangedTexts StopwatchBank::SetStartOfDay(int seconds) {
  ChangedTexts changed;
  if (Assign(str_jikan_text_, regional_.Format(seconds))) changed.MarkStrJikan();
  start_time_set_ = true;
  start_of_day_ = seconds;
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
  for (std::size_t s = 0; s < kStopwatchCount; ++s) Stop(s);
  return changed;
}

// An elapsed time turns over with the wall clock's second, as the current time
// does, yet counts real time. For the whole of the wall-clock second now
// running, the real time passed since the start runs from (the moment that
// second began - the start) to a second more; the one whole number within a
// second of all of it is that span's beginning rounded up. With the wall clock
// left alone since the start, it is the count of wall-clock seconds begun
// since: a start at 9:14:59.3 shows 0:00:00 until 9:15:00 and 0:00:01 from
// then on, and stopwatches started by one tick show one value.
//
// The moment a second began is the real-time reading less how far the wall
// clock is into its second: two clocks read microseconds apart. Taken afresh
// each tick it would wobble by that much, and a start made microseconds from
// a second's turn would show a second more or less by turns. So the seconds'
// beginnings stay on one grid, whole seconds apart on the real-time clock, for
// as long as the readings agree with it within kGridTolerance. A step by
// whole seconds (summer time, a time zone, most settings by hand) keeps the
// grid and so every elapsed time; a step by a fraction (a time service), or
// drift between the clocks that adds up to the tolerance, moves the grid onto
// the wall clock's new seconds, and elapsed times still turn over with them.
nanoseconds StopwatchBank::SecondBegan(const ClockReading& reading) {
  const nanoseconds began = reading.real - reading.into_second;
  if (second_grid_) {
    const nanoseconds on_grid = *second_grid_ + std::chrono::round<seconds>(began - *second_grid_);
    if (std::chrono::abs(began - on_grid) <= kGridTolerance) return on_grid;
  }
  second_grid_ = began;
  return began;
}

ChangedTexts StopwatchBank::Tick() {
  ChangedTexts changed;

  FormattedTime text;
  const ClockReading reading = clock_.Now();
  tick_into_second_ = reading.into_second;
  last_tick_real_ = reading.real;
  regional_.FormatTo(reading.time_of_day, text);
  if (Assign(ima_jikan_text_, text.View())) changed.MarkImaJikan();

  // Every armed stopwatch starts at this one reading.
  const nanoseconds second_began = SecondBegan(reading);
  for (std::size_t s = 0; s < kStopwatchCount; ++s) {
    if (!(swith_t_[s] && swith_j_[s])) continue;
    str_time_[s] = second_began + reading.into_second;
    shown_seconds_[s] = 0;
    ran_[s] = nanoseconds(0);
  }

  if (!start_time_set_) {
    for (int i = 1; i <= kStopwatchCount; ++i) {
      if (Assign(jikan_text_[Slot(i)], kZeroText)) changed.MarkJikan(i);
    }
  }

  // Stopwatches started together show the same value; it is formatted once.
  long long formatted = -1;
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const std::size_t s = Slot(i);
    if (!swith_t_[s]) continue;
    // A wall clock set back by a fraction of a second moves the grid back, and
    // the second after it may then round up to a second less than the last
    // shown: a running stopwatch holds its value instead of counting down,
    // which keeps it within a second of the real time, as the last value was.
    const long long passed = std::chrono::ceil<seconds>(second_began - str_time_[s]).count();
    shown_seconds_[s] = std::max(shown_seconds_[s], passed);
    // A day or more shows all its hours.
    const long long shown = shown_seconds_[s];
    if (shown != formatted) {
      elapsed_.FormatElapsedTo(shown, text);
      formatted = shown;
    }
    if (Assign(jikan_text_[s], text.View())) changed.MarkJikan(i);
    swith_j_[s] = false;
  }
  return changed;
}

BankSnapshot StopwatchBank::Snapshot() const {
  BankSnapshot snapshot;
  if (start_time_set_) snapshot.start_of_day = start_of_day_;
  for (std::size_t s = 0; s < kStopwatchCount; ++s) {
    StopwatchSnapshot& one = snapshot.stopwatches[s];
    if (swith_t_[s]) {
      one.kind = StopwatchSnapshot::Kind::kRunning;
      one.start = swith_j_[s] ? last_tick_real_ : str_time_[s];
    } else if (jikan_text_[s] != kZeroText) {
      one.kind = StopwatchSnapshot::Kind::kStopped;
      one.seconds = shown_seconds_[s];
      one.ran = ran_[s];
    }
  }
  return snapshot;
}

ChangedTexts StopwatchBank::Restore(const BankSnapshot& saved, nanoseconds shift) {
  ChangedTexts changed;
  if (saved.start_of_day) {
    changed = SetStartOfDay(*saved.start_of_day);
  } else {
    if (Assign(str_jikan_text_, kZeroText)) changed.MarkStrJikan();
    start_time_set_ = false;
  }
  FormattedTime text;
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const std::size_t s = Slot(i);
    const StopwatchSnapshot& one = saved.stopwatches[s];
    swith_t_[s] = one.kind == StopwatchSnapshot::Kind::kRunning;
    swith_j_[s] = false;
    str_time_[s] = one.start + shift;
    const bool stopped = one.kind == StopwatchSnapshot::Kind::kStopped;
    shown_seconds_[s] = stopped ? one.seconds : 0;
    ran_[s] = stopped ? one.ran : nanoseconds(0);
    if (one.kind == StopwatchSnapshot::Kind::kRunning) continue;
    std::string_view shown = kZeroText;
    if (stopped) {
      elapsed_.FormatElapsedTo(one.seconds, text);
      shown = text.View();
    }
    if (Assign(jikan_text_[s], shown)) changed.MarkJikan(i);
  }
  return changed;
}

}  // namespace mirt2
