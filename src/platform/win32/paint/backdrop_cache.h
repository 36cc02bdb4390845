// The backdrops of picture boxes: the back colour with the picture at its
// natural size at the top left, in device pixels at a scale. A box inside a
// frame shows its picture in tiles of the frame's size, and each tile is
// scaled alone to the frame's device size: no cell bleeds into the next, and
// the one that shows fills the frame exactly. A tile is scaled once, when a
// box first shows it or draws on it, ahead of the paint: fifteen faces of a
// whole button picture show one or two of its cells at first. Where the
// display is finer than 96 dpi, the tiles come from the picture's partner
// for high resolution if it has one. Boxes that show one picture on one
// colour at one size share one backdrop, so that fifteen faces make it once.
// A backdrop lives as long as a box uses it.
// Needs: the scaler, and user32 for rectangles.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "dpi_scale.h"
#include "toolkit/geometry.h"
#include "toolkit/picture.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

struct BackdropLook {
    // Held, so that no other picture can take this one's place.
    Picture picture;
    // Logical, of the box.
    PixelSize size;
    std::uint32_t background = 0;
    // Logical; none (0 x 0) for a box scaled whole.
    PixelSize tile;
    DpiScale scale;

    bool operator==(const BackdropLook&) const = default;
    // Where a logical point of the box lies on the backdrop.
    POINT ToDevice(PixelPoint logical) const;
    PixelSize DeviceSize() const;
};

class CachedBackdrop {
  public:
    explicit CachedBackdrop(const BackdropLook& look);

    const BackdropLook look;

    PixelSize Size() const { return image_.size; }
    // Copies an area into pixels of the backdrop's size, scaling the tiles
    // that it covers first where that has not been done yet.
    void CopyArea(const RECT& area, std::span<std::uint32_t> to) const;

  private:
    struct Tile {
        // Of the picture, in its own pixels.
        PixelRect part;
        // Where it goes on the backdrop.
        RECT placed;
        bool scaled = false;
    };
    void Scale(Tile& tile) const;

    // Scaled tile by tile as boxes first show them, however many boxes
    // share the backdrop: boxes hold it as const.
    mutable PixelImage image_;
    mutable std::vector<Tile> tiles_;
};

class BackdropCache {
  public:
    std::shared_ptr<const CachedBackdrop> Get(const BackdropLook& look);

  private:
    std::vector<std::weak_ptr<const CachedBackdrop>> backdrops_;
};

}  // namespace startart::win32
