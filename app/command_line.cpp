#include "command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "mirt2_version.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace mirt2 {

namespace {

// Quoted in the manual page: change both together.
constexpr std::string_view kUsage =
    "Usage: mirt2 [--help | --version | --restore STATE]\n"
    "\n"
    "One small window of one, five or ten stopwatches, with a Japanese user\n"
    "interface. mirt2 has no options of its own; Qt's, such as -platform NAME,\n"
    "are accepted, and other arguments are ignored.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "  --restore STATE\n"
    "             come back as an earlier run left the window: how Windows and\n"
    "             the X session manager start mirt2 again after a restart or a\n"
    "             sign-out; a STATE that does not fit gets the normal start\n"
    "\n"
    "It needs a graphical session: DISPLAY (X11) or WAYLAND_DISPLAY (Wayland).\n";

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

// Exit status 0 once all of text is out; a full disk or a closed pipe is a
// failure, not a success.
int Print(std::string_view text) {
#ifdef _WIN32
  // A windowed program starts without a console: write to the one it was
  // started from, unless its output goes to a file or pipe.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    std::FILE* console = nullptr;
    if (freopen_s(&console, "CONOUT$", "w", stdout) != 0) return 1;
  }
#endif
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  return written && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

std::optional<int> SettleCommandLine(int argc, const char* const* argv) {
  bool platform_given = false;
  bool display_given = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") return Print(kUsage);
    if (argument == "--version") return Print(kVersion);
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
    std::fputs("mirt2: needs a graphical session, but neither DISPLAY nor WAYLAND_DISPLAY is set\n",
               stderr);
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
