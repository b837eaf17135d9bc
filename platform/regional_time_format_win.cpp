#include "regional_time_format.h"

#include <climits>
#include <string>
#include <string_view>

#include <windows.h>

namespace mirt2 {
namespace {

// The user may change the setting between asking for the size and reading
// it; a few tries ride that out.
constexpr int kReadAttempts = 3;

std::optional<std::wstring> UserLocaleText(LCTYPE type) {
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (size <= 0) return std::nullopt;
    std::wstring text(static_cast<size_t>(size), L'\0');
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text.data(), size);
    if (written > 0) {
      // The count includes the terminating null.
      text.resize(static_cast<size_t>(written) - 1);
      return text;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> ToUtf8(std::wstring_view text) {
  if (text.empty()) return std::string();
  if (text.size() > static_cast<size_t>(INT_MAX)) return std::nullopt;
  const int length = static_cast<int>(text.size());
  // Unpaired surrogates fail rather than turn silently into U+FFFD.
  const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, nullptr,
                                       0, nullptr, nullptr);
  if (size <= 0) return std::nullopt;
  std::string out(static_cast<size_t>(size), '\0');
  if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, out.data(), size,
                          nullptr, nullptr) != size) {
    return std::nullopt;
  }
  return out;
}

std::optional<std::string> UserLocaleUtf8(LCTYPE type) {
  const std::optional<std::wstring> text = UserLocaleText(type);
  if (!text) return std::nullopt;
  return ToUtf8(*text);
}

}  // namespace

// Windows writes its time formats in the token language already.
std::optional<RegionalTimeFormat> LookUpRegionalTimeFormat() {
  std::optional<std::string> pattern = UserLocaleUtf8(LOCALE_STIMEFORMAT);
  if (!pattern || pattern->empty()) return std::nullopt;
  std::optional<std::string> am = UserLocaleUtf8(LOCALE_S1159);
  std::optional<std::string> pm = UserLocaleUtf8(LOCALE_S2359);
  if (!am || !pm) return std::nullopt;
  return RegionalTimeFormat{std::move(*pattern), std::move(*am), std::move(*pm)};
}

}  // namespace mirt2
