#include "terminal.h"

#include <cstdio>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace mirt2 {

namespace {

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
int Write(bool error, std::string_view text) {
  std::wstring wide = Widen(text);
  for (std::size_t at = 0; (at = wide.find(L'\n', at)) != std::wstring::npos; at += 2) {
    wide.insert(at, 1, L'\r');
  }
  HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
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
// UTF-8, the codeset of the locales the texts are chosen for.
int Write(bool error, std::string_view text) {
  std::FILE* stream = error ? stderr : stdout;
  const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  return written && std::fflush(stream) == 0 ? 0 : 1;
}
#endif

}  // namespace

int WriteOut(std::string_view text) {
  return Write(false, text);
}

int WriteError(std::string_view text) {
  return Write(true, text);
}

}  // namespace mirt2
