// Backdrops shared between picture boxes.
#include "backdrop_cache.h"

#include "win32_picture.h"

namespace startart::win32 {

std::shared_ptr<const CachedBackdrop> BackdropCache::Get(const BackdropLook& look) {
    std::erase_if(backdrops_, [](const auto& backdrop) { return backdrop.expired(); });
    for (const auto& held : backdrops_) {
        auto backdrop = held.lock();
        if (backdrop->look == look) {
            return backdrop;
        }
    }
    const Win32Picture* picture = PictureOf(look.picture);
    auto backdrop = std::make_shared<const CachedBackdrop>(
        CachedBackdrop{look, Backdrop(look.size, look.background, picture ? picture->Image() : PixelImage{})});
    backdrops_.push_back(backdrop);
    return backdrop;
}

}  // namespace startart::win32
