#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "colour_dialog.h"

namespace mirt2 {

// CC_RGBINIT alone: the dialog opens on the colour given, in its short form with the basic and
// custom colours, as the common dialog always has.
std::optional<std::uint32_t> ChooseColourNative(void* owner, std::uint32_t initial,
                                                std::array<std::uint32_t, 16>& custom) {
  std::array<COLORREF, 16> slots{};
  std::copy(custom.begin(), custom.end(), slots.begin());
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = static_cast<HWND>(owner);
  dialog.rgbResult = initial;
  dialog.lpCustColors = slots.data();
  dialog.Flags = CC_RGBINIT;
  const bool chosen = ChooseColorW(&dialog) != FALSE;
  std::transform(slots.begin(), slots.end(), custom.begin(),
                 [](COLORREF slot) { return static_cast<std::uint32_t>(slot & 0xFFFFFFU); });
  if (!chosen) return std::nullopt;
  return static_cast<std::uint32_t>(dialog.rgbResult & 0xFFFFFFU);
}

}  // namespace mirt2
