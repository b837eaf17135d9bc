#pragma once

#include <cstdint>

namespace mirt2 {

// &H00BBGGRR: red in the low byte, as the colour picker and the design colours give it.
using Colour = std::uint32_t;

inline constexpr Colour kDarkGreen = 0x008000;    // window, frames, option buttons, check box
inline constexpr Colour kBrightGreen = 0x00FF00;  // every command button face
inline constexpr Colour kWhite = 0xFFFFFF;        // label and option captions
inline constexpr Colour kLightYellow = 0x80FFFF;  // the ten elapsed times

constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFFU);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8U) & 0xFFU);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16U) & 0xFFU);
}

}  // namespace mirt2
