// Small GDI helpers shared by the peers: colours of the toolkit as GDI
// colours, fonts of the toolkit as GDI fonts, and pixels onto a device
// context.
// Needs: gdi32, user32 (GetSysColor).
#pragma once

#include <windows.h>

#include <cstdint>

#include "dpi_scale.h"
#include "handles.h"
#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

// System colours follow the user's colour scheme.
COLORREF ToColorRef(OleColor color);
// The same colour as an opaque 0xFFRRGGBB pixel.
std::uint32_t ToPixel(OleColor color);

// Face name, size in points at the scale's DPI, and weight; ANSI character
// set, no italic, underline or strike-through.
UniqueFont CreateControlFont(const Font& font, const DpiScale& scale);

// Draws the image with its top-left corner at the point, unscaled; its
// pixels must be opaque.
void DrawPixels(HDC dc, const PixelImage& image, PixelPoint at);

// A 32-bit top-down DIB description of the given size.
BITMAPINFO DibInfo(PixelSize size);

}  // namespace startart::win32
