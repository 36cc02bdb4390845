// GDI helpers: colours, fonts, pixels.
// Needs: gdi32, user32.
#include "paint/gdi.h"

#include <algorithm>
#include <cmath>

#include "text.h"

namespace startart::win32 {

COLORREF ToColorRef(OleColor color) {
    return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color)) : static_cast<COLORREF>(color & 0xFFFFFFu);
}

std::uint32_t ToPixel(OleColor color) {
    const COLORREF c = ToColorRef(color);
    return OpaquePixel(GetRValue(c), GetGValue(c), GetBValue(c));
}

UniqueFont CreateControlFont(const Font& font, const DpiScale& scale) {
    const int height = -static_cast<int>(std::lround(font.size * scale.Dpi() / 72.0));
    std::wstring name = Widen(font.name);
    name.resize(std::min<std::size_t>(name.size(), LF_FACESIZE - 1));
    return UniqueFont(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  name.c_str()));
}

BITMAPINFO DibInfo(PixelSize size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void DrawPixels(HDC dc, const PixelImage& image, PixelPoint at) {
    if (image.size.width <= 0 || image.size.height <= 0) {
        return;
    }
    const BITMAPINFO info = DibInfo(image.size);
    SetDIBitsToDevice(dc, at.x, at.y, static_cast<DWORD>(image.size.width), static_cast<DWORD>(image.size.height), 0, 0,
                      0, static_cast<UINT>(image.size.height), image.pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace startart::win32
