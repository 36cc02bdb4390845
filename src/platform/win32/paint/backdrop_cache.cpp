// Backdrops shared between picture boxes.
// Needs: user32 (rectangles).
#include "paint/backdrop_cache.h"

#include <algorithm>

#include "pictures/win32_picture.h"

namespace startart::win32 {

CachedBackdrop::CachedBackdrop(const BackdropLook& look)
    : look(look), image_(Backdrop(look.DeviceSize(), look.background, PixelImage{})) {
    const Win32Picture* picture = PictureOf(look.picture);
    if (!picture) {
        return;
    }
    const int width = std::min(look.size.width, picture->Size().width);
    const int height = std::min(look.size.height, picture->Size().height);
    const int tileWidth = look.tile.width > 0 ? look.tile.width : width;
    const int tileHeight = look.tile.height > 0 ? look.tile.height : height;
    for (int top = 0; top < height; top += tileHeight) {
        for (int left = 0; left < width; left += tileWidth) {
            const int right = std::min(width, left + tileWidth);
            const int bottom = std::min(height, top + tileHeight);
            const POINT from = look.ToDevice(PixelPoint{left, top});
            const POINT to = look.ToDevice(PixelPoint{right, bottom});
            tiles_.push_back(Tile{PixelRect{left, top, right - left, bottom - top}, RECT{from.x, from.y, to.x, to.y}});
        }
    }
}

void CachedBackdrop::Scale(Tile& tile) const {
    const Win32Picture* picture = PictureOf(look.picture);
    const PixelImage& source = picture->At(look.scale).image;
    // 1, or 2 for the partner for high resolution.
    const int factor = source.size.width / std::max(1, picture->Size().width);
    const PixelRect part{tile.part.left * factor, tile.part.top * factor, tile.part.width * factor,
                         tile.part.height * factor};
    const RECT& placed = tile.placed;
    Composite(image_, ScaledImage(source, part, PixelSize{placed.right - placed.left, placed.bottom - placed.top}),
              PixelPoint{placed.left, placed.top});
    tile.scaled = true;
}

void CachedBackdrop::CopyArea(const RECT& area, std::span<std::uint32_t> to) const {
    for (Tile& tile : tiles_) {
        RECT covered{};
        if (!tile.scaled && IntersectRect(&covered, &tile.placed, &area)) {
            Scale(tile);
        }
    }
    const int width = image_.size.width;
    for (int y = area.top; y < area.bottom; ++y) {
        const auto row = static_cast<std::size_t>(y * width);
        std::copy(image_.pixels.begin() + row + area.left, image_.pixels.begin() + row + area.right,
                  to.begin() + row + area.left);
    }
}

POINT BackdropLook::ToDevice(PixelPoint logical) const {
    return POINT{scale.ToDevice(logical.x, tile.width), scale.ToDevice(logical.y, tile.height)};
}

PixelSize BackdropLook::DeviceSize() const {
    const POINT corner = ToDevice(PixelPoint{size.width, size.height});
    return PixelSize{corner.x, corner.y};
}

std::shared_ptr<const CachedBackdrop> BackdropCache::Get(const BackdropLook& look) {
    std::erase_if(backdrops_, [](const auto& backdrop) { return backdrop.expired(); });
    for (const auto& held : backdrops_) {
        auto backdrop = held.lock();
        if (backdrop->look == look) {
            return backdrop;
        }
    }
    auto backdrop = std::make_shared<const CachedBackdrop>(look);
    backdrops_.push_back(backdrop);
    return backdrop;
}

}  // namespace startart::win32
