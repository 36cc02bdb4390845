// A drawing surface in memory: one memory device context for the surface's
// whole life, with a 32-bit DIB section and the font selected into it.
// Resizing swaps the bitmap and keeps the device context, so whatever was set
// on it (the font, the extra character spacing) stays set.
// Needs: gdi32.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "handles.h"
#include "toolkit/geometry.h"

namespace startart::win32 {

class Surface {
  public:
    Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC Dc() const { return dc_.get(); }
    PixelSize Size() const { return size_; }
    // A new bitmap of the size; its pixels are undefined until written.
    void Resize(PixelSize size);
    // The font that text drawn on the surface takes, in place of the last one.
    void SetFont(UniqueFont font);
    // The pixels, 0x00RRGGBB, rows top-down. GDI drawing is flushed first.
    std::span<std::uint32_t> Pixels();
    // Copies an area of the surface to a point of another context.
    void CopyTo(HDC target, POINT to, const RECT& area) const;

  private:
    void Select(std::optional<Selection>& selection, HGDIOBJ object);

    UniqueDc dc_;
    UniqueBitmap bitmap_;
    UniqueFont font_;
    // After what they select into and what they select: they go first and
    // give the context back its own objects before those are deleted.
    std::optional<Selection> selectedBitmap_;
    std::optional<Selection> selectedFont_;
    std::uint32_t* bits_ = nullptr;
    PixelSize size_;
};

}  // namespace startart::win32
