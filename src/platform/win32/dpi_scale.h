// The one scale between the core's logical pixels (96 to the inch, 15 twips
// each, whatever the display) and a window's device pixels at its display's
// DPI. Every edge, hit test and highlight is worked out through it, so that
// they always agree to the pixel. At 96 dpi it changes nothing.
// Needs: user32, gdi32; shcore.dll where Windows has it, loaded at run time.
#pragma once

#include <windows.h>

#include "toolkit/geometry.h"

namespace startart::win32 {

inline constexpr int kLogicalDpi = USER_DEFAULT_SCREEN_DPI;

class DpiScale {
  public:
    explicit DpiScale(int dpi = kLogicalDpi) : dpi_(dpi) {}

    int Dpi() const { return dpi_; }
    // Finer than the logical 96 dpi: where a picture for high resolution is
    // worth drawing.
    bool AboveLogical() const { return dpi_ > kLogicalDpi; }

    // Rounded half up, so that edges keep their order and a rectangle that
    // follows another moves with it.
    int ToDevice(int logical) const;
    // The largest logical value that lies at or before the device value:
    // a length that the system held shorter fits again once scaled back.
    int ToLogical(int device) const;
    // In whole tiles of `tile` logical pixels, each as large on the device as
    // the tile scaled alone: a picture shown through a frame in cells of the
    // frame's size fills the frame's device area exactly whichever cell
    // shows. A tile of 0 or less scales the value whole.
    int ToDevice(int logical, int tile) const;

    // A rectangle whose corner and size are scaled, in tiles as above.
    RECT ToDevice(const PixelRect& logical, PixelSize tile = {}) const;
    PixelRect ToLogical(const RECT& device) const;

    bool operator==(const DpiScale&) const = default;

  private:
    int dpi_;
};

// A size of the system's (SM_CXICON and the like) at the scale's DPI, where
// Windows knows it per DPI (10 1607 and later); else at the system's DPI.
int SystemMetricAt(int index, const DpiScale& scale);

// What a frame of these styles adds to a client area, in logical pixels.
PixelSize LogicalFrame(DWORD style, DWORD exStyle);

// The DPI of the display a window is on, or with no window that of the
// primary display: from the window itself where Windows knows it (Windows 10
// 1607 and later), else from its display (8.1 and later), else the system's.
int DpiOf(HWND window);

}  // namespace startart::win32
