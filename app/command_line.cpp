#include "command_line.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "mirt2_version.h"
#include "terminal.h"
#include "terminal_texts.h"

namespace mirt2 {

namespace {

constexpr std::string_view kVersion = "mirt2 " MIRT2_VERSION_TEXT "\n";

// Qt's options that choose where the window goes; each takes a value.
constexpr std::string_view kPlaceOptions[] = {"-platform", "--platform", "-display", "--display"};

#if defined(_WIN32) || defined(__APPLE__)
// The desktop is always there.
bool NoDisplay() {
  return false;
}
#else
bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// An explicit platform (offscreen, eglfs …) is the user's word, and Qt's to
// judge.
bool NoDisplay() {
  return !IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY");
}

// On a Wayland session Qt prefers Wayland, where a program cannot keep its window above others
// (GNOME and KDE honour that only for X11 windows) and its window is drawn as the compositor
// likes. Where XWayland runs, the window goes there, unless the user chose a platform.
void PreferXWayland(bool display_given) {
  const char* session = std::getenv("XDG_SESSION_TYPE");
  const bool wayland =
      IsSet("WAYLAND_DISPLAY") || (session != nullptr && std::string_view(session) == "wayland");
  if (wayland && !IsSet("QT_QPA_PLATFORM") && (display_given || IsSet("DISPLAY"))) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  }
}

// Where the window does go to Wayland, Qt draws a title bar of its own wherever the compositor
// draws none (GNOME, weston), and that one always offers to maximize a window whose size is the
// program's. Without it a compositor that decorates windows (KDE) still gives the title bar,
// without a maximize button; the others show the window bare. A user's own setting stands.
void LeaveTitleBarsToTheCompositor() {
  setenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1", 0);
}
#endif

}  // namespace

std::optional<int> SettleCommandLine(int argc, const char* const* argv) {
  bool platform_given = false;
  bool display_given = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") return WriteOut(TextsForUser().usage);
    if (argument == "--version") return WriteOut(kVersion);
    for (std::string_view option : kPlaceOptions) {
      if (argument != option) continue;
      (option.find("platform") != std::string_view::npos ? platform_given : display_given) = true;
      ++i;  // its value is Qt's, whatever it reads
      break;
    }
  }
  const bool place_given = platform_given || display_given;
  // Qt would abort, advising to reinstall the program.
  if (!place_given && NoDisplay()) {
    WriteError(TextsForUser().needs_session);
    return 1;
  }
#if !defined(_WIN32) && !defined(__APPLE__)
  if (!platform_given) PreferXWayland(display_given);
  LeaveTitleBarsToTheCompositor();
#endif
  return std::nullopt;
}

std::optional<std::string_view> RestoreArgument(int argc, const char* const* argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string_view(argv[i]) == "--restore") return argv[i + 1];
  }
  return std::nullopt;
}

}  // namespace mirt2
