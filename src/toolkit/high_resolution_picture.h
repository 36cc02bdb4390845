// A picture made for displays finer than 96 dpi: a file beside the picture,
// named like it with "@2x" before its extension, at exactly twice its width
// and height. Above 100 % the menu draws it, scaled down to the display's
// size, in place of its partner, which it would have to enlarge.
#pragma once

#include <cstdint>
#include <string>

namespace startart {

inline constexpr std::uint64_t kHighResolutionFactor = 2;

// "bilder\knoepfe.bmp" gives "bilder\knoepfe@2x.bmp"; a name without an
// extension gets "@2x" at its end. Folders may be parted by \ or /.
std::string HighResolutionName(const std::string& name);

constexpr bool IsHighResolutionPartner(std::uint64_t width,
                                       std::uint64_t height,
                                       std::uint64_t partnerWidth,
                                       std::uint64_t partnerHeight) {
    return width == partnerWidth * kHighResolutionFactor && height == partnerHeight * kHighResolutionFactor;
}

}  // namespace startart
