// The backdrops of picture boxes: the back colour with the picture at its
// natural size at the top left. Boxes that show one picture on one colour at
// one size share one backdrop, so that fifteen faces make it once. A backdrop
// lives as long as a box uses it.
// Needs: nothing but the standard library.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/geometry.h"
#include "toolkit/picture.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

struct BackdropLook {
    // Held, so that no other picture can take this one's place.
    Picture picture;
    PixelSize size;
    std::uint32_t background = 0;

    bool operator==(const BackdropLook&) const = default;
};

struct CachedBackdrop {
    BackdropLook look;
    PixelImage image;
};

class BackdropCache {
  public:
    std::shared_ptr<const CachedBackdrop> Get(const BackdropLook& look);

  private:
    std::vector<std::weak_ptr<const CachedBackdrop>> backdrops_;
};

}  // namespace startart::win32
