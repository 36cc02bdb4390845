// The back buffer of a form's client area. The form paints into it only
// where it went out of date, rectangle by rectangle, and the screen gets a
// copy of what it asks for: a hover repaints two buttons and never flickers.
// Needs: gdi32.
#pragma once

#include <windows.h>

#include <functional>

#include "handles.h"
#include "paint/surface.h"

namespace startart::win32 {

class BackBuffer {
  public:
    // Paints an area of the buffer, clipped to it.
    using Painter = std::function<void(HDC canvas, const RECT& area)>;

    BackBuffer();

    // An area whose painting is out of date.
    void Invalidate(const RECT& area);
    // Brings the buffer of a client area of this size up to date (all of it
    // when the size changed), then copies what the screen asks for.
    void Show(const PaintDc& screen, PixelSize client, const Painter& paint);

  private:
    Surface surface_;
    UniqueRegion stale_;
};

}  // namespace startart::win32
