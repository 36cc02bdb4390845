// The largest picture the menu loads. A picture file states its size before
// its pixels; one that claims more than a menu can show is refused before
// any memory for its pixels is taken, so that a damaged or hostile file
// cannot exhaust a 32-bit program.
#pragma once

#include <cstdint>

namespace startart {

inline constexpr std::uint64_t kMaxPictureEdge = 16384;
inline constexpr std::uint64_t kMaxPicturePixels = 50'000'000;

constexpr bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height) {
    return width <= kMaxPictureEdge && height <= kMaxPictureEdge && width * height <= kMaxPicturePixels;
}

}  // namespace startart
