#pragma once

#include <string_view>

namespace mirt2 {

// What the program says on a terminal, before or instead of its window: the usage that --help
// prints and the one-line messages, each a sentence of its own. One table a language, in
// terminal_texts.cpp; an option goes into the usage of each. All of it is written through
// terminal.h.
struct TerminalTexts {
  std::string_view usage;
  // Neither DISPLAY nor WAYLAND_DISPLAY is set.
  std::string_view needs_session;
  // No display server answered; %s is "DISPLAY=…, WAYLAND_DISPLAY=…, QT_QPA_PLATFORM=…", joined
  // by `separator`, with `unset` for a variable that is not set.
  std::string_view no_display_answered;
  std::string_view unset;
  std::string_view separator;
  // A Wayland-only session without Qt's Wayland plugin.
  std::string_view needs_wayland_plugin;
  // --restore was given a state that does not fit; %s is what is wrong with it.
  std::string_view restore_refused;
  // The state restored kept the window above the others, which this desktop does not.
  std::string_view restore_not_in_front;
};

// Japanese where the user's language is Japanese, English otherwise. On Windows that is the
// user's display language. Elsewhere it is the first non-empty one of LC_ALL, LC_MESSAGES and
// LANG, as POSIX chooses the language of messages, and the texts are written in UTF-8: a
// Japanese locale in another codeset (ja_JP.eucJP) gets English, which every codeset shows.
const TerminalTexts& TextsForUser();

}  // namespace mirt2
