// Pixels of a decoded picture and the two things the menu does with them:
// scaling a title picture to the size of its control with a filter that keeps
// fine detail (area averaging when shrinking, linear interpolation when
// enlarging), and flattening transparent parts onto a background colour.
// Portable: the platform decodes and shows the pixels, this only computes.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/geometry.h"

namespace startart {

// 32-bit pixels 0xAARRGGBB with premultiplied alpha, rows top-down.
struct PixelImage {
    PixelSize size;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * size.width + x)]; }
};

// An opaque 0xFFRRGGBB pixel.
constexpr std::uint32_t OpaquePixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return 0xFF000000u | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}

// A new image of the target size. An empty source or target gives an image
// of the target size filled with transparent pixels.
PixelImage ScaledImage(const PixelImage& source, PixelSize target);
// The same of a part of the source, which must lie inside it.
PixelImage ScaledImage(const PixelImage& source, const PixelRect& part, PixelSize target);

// A box of the given size filled with the opaque background colour, with the
// picture composited over it at the top left, cut off where it leaves the box.
PixelImage Backdrop(PixelSize size, std::uint32_t background, const PixelImage& picture);
// Composites the picture over an opaque image at a point, cut off where it
// leaves the image.
void Composite(PixelImage& under, const PixelImage& picture, PixelPoint at);
// The same for a picture of the box's size, in its own pixels.
void Flatten(PixelImage& picture, std::uint32_t background);

}  // namespace startart
