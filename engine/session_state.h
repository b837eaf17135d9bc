#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clock.h"
#include "stopwatch_bank.h"

namespace mirt2 {

// When a state was taken, on both clocks, and on which boot of the computer: a real-time clock
// counts on only until the computer restarts.
struct SavedMoment {
  // Names the boot; empty where the system names none.
  std::string boot;
  std::chrono::nanoseconds real{0};
  std::chrono::nanoseconds wall{0};
  friend bool operator==(const SavedMoment&, const SavedMoment&) = default;
};

// A colour picker's custom colours: sixteen, white until a person sets one, as on Windows.
inline constexpr std::size_t kCustomColourCount = 16;
using CustomColours = std::array<std::uint32_t, kCustomColourCount>;
inline constexpr CustomColours kNoCustomColours = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

// What a person has set in the window, apart from the stopwatches.
struct WindowSnapshot {
  // The panels of a display mode.
  int mode = 1;
  bool options = false;
  // The window's Height in twips: the layout's, or 430 from the other options state's where the
  // options box was ticked or cleared after the layout was chosen.
  int height = 1900;
  // The top left corner of the window's frame, in device-independent pixels.
  int left = 0;
  int top = 0;
  // Colours as &H00BBGGRR; none where the design's colours still show.
  std::optional<std::uint32_t> text_colour;
  std::optional<std::uint32_t> button_colour;
  std::optional<std::uint32_t> back_colour;
  // What the colour picker opens on, and the colours a person keeps in it for the run.
  std::uint32_t picker_colour = 0;
  CustomColours custom_colours = kNoCustomColours;
  // 前へ: kept above other windows.
  bool front = false;
  // Whether the next copy is numbered.
  bool numbered_next = false;
  friend bool operator==(const WindowSnapshot&, const WindowSnapshot&) = default;
};

// Everything a person has set and sees, so that the program can come back as it was when the
// session ends without the person ending it.
struct SessionState {
  SavedMoment moment;
  BankSnapshot bank;
  WindowSnapshot window;
  friend bool operator==(const SessionState&, const SessionState&) = default;
};

// The longest text a state can have. Windows takes at most 1024 characters for the restart
// command line, `--restore ` included.
inline constexpr std::size_t kMaxStateText = 1024 - 10;

// The state's one text form: a single word of letters, digits and - . : = alone, which no
// command line, shell or session manager splits, quotes or escapes (Xfce's keeps a restart
// command as one list joined by commas, unescaped). It opens with its format's version, "v2",
// goes on with the fields that differ from a fresh window's, as ".key=value" in one order, and
// closes with ".end". Every state has one spelling, so a text that decodes encodes back to itself.
std::string EncodeSessionState(const SessionState& state);

// A state, or what is wrong with the text: it comes from outside the program. The earlier form,
// "v1," and every field joined by commas, is read too: a session saved before an upgrade holds
// one.
struct DecodedState {
  std::optional<SessionState> state;
  std::string problem;
};
DecodedState DecodeSessionState(std::string_view text);

// How far this run's real-time clock lies from the one the saved moment was read on. On the same
// boot the clock is the same: nothing. Across a restart the wall clock tells how long ago the
// moment was, or no time where it reads earlier than then. Nullopt where the moment lies after
// now on this boot.
std::optional<std::chrono::nanoseconds> ClockShift(const SavedMoment& saved,
                                                   const ClockReading& now, std::string_view boot);

}  // namespace mirt2
