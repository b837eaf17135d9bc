#pragma once

namespace mirt2 {

// Lengths are twips: 15 to a device-independent pixel, so that Qt's high-DPI
// scaling keeps the design's proportions.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  // Round half away from zero, the same for positions on either side of an origin.
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

}  // namespace mirt2
