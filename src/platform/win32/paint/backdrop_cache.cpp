// Backdrops shared between picture boxes.
#include "paint/backdrop_cache.h"

#include <algorithm>

#include "pictures/win32_picture.h"

namespace startart::win32 {
namespace {

PixelImage MakeBackdrop(const BackdropLook& look) {
    PixelImage backdrop = Backdrop(look.DeviceSize(), look.background, PixelImage{});
    const Win32Picture* picture = PictureOf(look.picture);
    if (!picture) {
        return backdrop;
    }
    const PixelImage& source = picture->At(look.scale).image;
    // 1, or 2 for the partner for high resolution.
    const int factor = source.size.width / std::max(1, picture->Size().width);
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
            const PixelRect part{left * factor, top * factor, (right - left) * factor, (bottom - top) * factor};
            Composite(backdrop, ScaledImage(source, part, PixelSize{to.x - from.x, to.y - from.y}),
                      PixelPoint{from.x, from.y});
        }
    }
    return backdrop;
}

}  // namespace

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
    auto backdrop = std::make_shared<const CachedBackdrop>(CachedBackdrop{look, MakeBackdrop(look)});
    backdrops_.push_back(backdrop);
    return backdrop;
}

}  // namespace startart::win32
