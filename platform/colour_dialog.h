#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace mirt2 {

// Windows only. Windows' own colour dialog (ChooseColorW), modal to the top-level window `owner`
// (an HWND), opening on `initial` with `custom` in its sixteen custom-colour slots; colours are
// COLORREFs, &H00BBGGRR. The slots are what the person left in them, whether they confirmed or
// cancelled. The colour confirmed, or nullopt. Windows writes nothing of it anywhere: the slots
// last as long as the caller keeps them. Free of Qt.
std::optional<std::uint32_t> ChooseColourNative(void* owner, std::uint32_t initial,
                                                std::array<std::uint32_t, 16>& custom);

}  // namespace mirt2
