// Writes the Windows clipboard's text to stdout as UTF-8, byte for byte as
// the program put it there: what the end-to-end tests under Wine compare,
// since Wine's bridge hands X the text with LF for CR LF.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

int main() {
  if (!OpenClipboard(nullptr)) return 2;
  std::string text;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      found = true;
      const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
      if (size > 1) {
        text.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
        text.pop_back();  // the terminating zero
      }
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (!found) return 1;
  // Binary, so that the C runtime writes each LF as it is.
  _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
