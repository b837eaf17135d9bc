#pragma once

namespace mirt2 {

// A to Z and a to z only, whatever the C locale: time patterns and locale names are ASCII.
constexpr bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace mirt2
