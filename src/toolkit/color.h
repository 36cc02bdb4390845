// Colours as the toolkit stores them: an RGB value (red in the low byte), or a
// system colour, which follows the user's colour scheme and is resolved by the
// platform when it draws.
#pragma once

#include <cstdint>

namespace startart {

using OleColor = std::uint32_t;

constexpr OleColor Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return OleColor{red} | (OleColor{green} << 8) | (OleColor{blue} << 16);
}

constexpr OleColor SystemColor(int index) {
    return 0x80000000u | static_cast<OleColor>(index);
}

constexpr bool IsSystemColor(OleColor color) {
    return (color & 0x80000000u) != 0;
}

constexpr int SystemColorIndex(OleColor color) {
    return static_cast<int>(color & 0xFFu);
}

inline constexpr OleColor kColorWindow = SystemColor(5);
inline constexpr OleColor kColorWindowText = SystemColor(8);
inline constexpr OleColor kColorButtonFace = SystemColor(15);
inline constexpr OleColor kColorButtonText = SystemColor(18);

}  // namespace startart
