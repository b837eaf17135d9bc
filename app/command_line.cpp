#include "command_line.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "mirt2_version.h"
#include "terminal_texts.h"

#ifdef _WIN32
#include <windows.h>
#endif

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

#ifdef _WIN32
std::wstring Widen(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return wide;
}

// text in code page `page`, or nullopt where the page lacks one of its characters.
std::optional<std::string> Narrow(const std::wstring& text, UINT page) {
  const int wide_length = static_cast<int>(text.size());
  BOOL lossy = FALSE;
  // UTF-8 holds every character, and takes no question about it.
  BOOL* ask = page == CP_UTF8 ? nullptr : &lossy;
  const DWORD flags = page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int length =
      WideCharToMultiByte(page, flags, text.data(), wide_length, nullptr, 0, nullptr, ask);
  if (length <= 0 && !text.empty()) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(page, flags, text.data(), wide_length, bytes.data(), length, nullptr, ask);
  if (lossy) return std::nullopt;
  return bytes;
}

// A windowed program starts without a console. To the console it was started from, the text
// goes as UTF-16, which the console shows whatever its code page. To a file or a pipe, it goes
// in the code page of that console, which cmd's type and more and PowerShell read it back
// with; in UTF-8 where the program has no console, or the console's page lacks a character.
// Lines end in CR LF, as Windows' text files do.
int Print(std::string_view text) {
  std::wstring wide = Widen(text);
  for (std::size_t at = 0; (at = wide.find(L'\n', at)) != std::wstring::npos; at += 2) {
    wide.insert(at, 1, L'\r');
  }
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  const bool redirected = out != nullptr && out != INVALID_HANDLE_VALUE;
  // Fails where the program already has a console, which serves as well.
  const bool console =
      AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED;
  if (!redirected) {
    if (!console) return 1;
    out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 1;
  }
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(out, &mode)) {
    const auto length = static_cast<DWORD>(wide.size());
    return WriteConsoleW(out, wide.data(), length, &written, nullptr) && written == length ? 0 : 1;
  }
  std::optional<std::string> bytes;
  if (console) bytes = Narrow(wide, GetConsoleOutputCP());
  if (!bytes) bytes = Narrow(wide, CP_UTF8);
  if (!bytes) return 1;
  const auto length = static_cast<DWORD>(bytes->size());
  return WriteFile(out, bytes->data(), length, &written, nullptr) && written == length ? 0 : 1;
}
#else
// Exit status 0 once all of text is out; a full disk or a closed pipe is a
// failure, not a success.
int Print(std::string_view text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  return written && std::fflush(stdout) == 0 ? 0 : 1;
}
#endif

}  // namespace

std::optional<int> SettleCommandLine(int argc, const char* const* argv) {
  bool platform_given = false;
  bool display_given = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") return Print(TextsForUser().usage);
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
    const std::string_view line = TextsForUser().needs_session;
    std::fwrite(line.data(), 1, line.size(), stderr);
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
