// Pictures and the icons made from them.
// Needs: user32, gdi32.
#include "win32_picture.h"

#include <algorithm>
#include <vector>

#include "gdi.h"

namespace startart::win32 {
namespace {

// Icons take straight alpha; the picture holds it premultiplied.
std::uint32_t Unpremultiplied(std::uint32_t pixel) {
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 0 || alpha == 0xFF) {
        return pixel;
    }
    std::uint32_t result = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t channel = (((pixel >> shift) & 0xFF) * 255 + alpha / 2) / alpha;
        result |= std::min<std::uint32_t>(channel, 255) << shift;
    }
    return result;
}

}  // namespace

UniqueIcon Win32Picture::MakeIcon(int edge) const {
    HANDLE icon = nullptr;
    if (icon_.resource) {
        icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon_.resource), IMAGE_ICON, edge, edge,
                          LR_DEFAULTCOLOR);
    } else if (!icon_.file.empty()) {
        icon = LoadImageW(nullptr, icon_.file.c_str(), IMAGE_ICON, edge, edge, LR_LOADFROMFILE);
    }
    return icon ? UniqueIcon(static_cast<HICON>(icon)) : IconFromPixels(edge);
}

UniqueIcon Win32Picture::IconFromPixels(int edge) const {
    if (image_.size.width <= 0 || image_.size.height <= 0) {
        return UniqueIcon();
    }
    const PixelImage scaled = ScaledImage(image_, PixelSize{edge, edge});
    const BITMAPINFO info = DibInfo(scaled.size);
    void* bits = nullptr;
    const UniqueBitmap color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    // An all-clear mask: the colour bitmap's alpha decides what shows.
    const std::vector<BYTE> clear(static_cast<std::size_t>((edge + 15) / 16 * 2 * edge), 0);
    const UniqueBitmap mask(CreateBitmap(edge, edge, 1, 1, clear.data()));
    if (!color || !mask) {
        return UniqueIcon();
    }
    auto* target = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < scaled.pixels.size(); ++i) {
        target[i] = Unpremultiplied(scaled.pixels[i]);
    }
    ICONINFO iconInfo{};
    iconInfo.fIcon = TRUE;
    iconInfo.hbmColor = color.get();
    iconInfo.hbmMask = mask.get();
    return UniqueIcon(CreateIconIndirect(&iconInfo));
}

const Win32Picture* PictureOf(const Picture& picture) {
    return dynamic_cast<const Win32Picture*>(picture.Data());
}

}  // namespace startart::win32
