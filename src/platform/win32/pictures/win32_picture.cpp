// Pictures and the icons made from them.
// Needs: user32, gdi32.
#include "pictures/win32_picture.h"

#include <algorithm>
#include <vector>

#include "paint/gdi.h"
#include "pictures/wic_decoder.h"
#include "toolkit/high_resolution_picture.h"

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

// The pixels scaled into an icon with an all-clear mask: their alpha decides
// what shows.
UniqueIcon IconFromPixels(const PixelImage& image, int edge) {
    if (image.size.width <= 0 || image.size.height <= 0) {
        return UniqueIcon();
    }
    const PixelImage scaled = ScaledImage(image, PixelSize{edge, edge});
    const BITMAPINFO info = DibInfo(scaled.size);
    void* bits = nullptr;
    const UniqueBitmap color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
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

}  // namespace

const DecodedPicture& Win32Picture::At(const DpiScale& scale) const {
    if (!scale.AboveLogical()) {
        return own_;
    }
    if (!partner_ && !partnerFile_.empty()) {
        // A partner that does not decode or has another size than twice the
        // picture's is left aside; check tells the publisher.
        std::optional<DecodedPicture> decoded = decoder_->Decode(partnerFile_);
        const PixelSize size = decoded ? decoded->image.size : PixelSize{};
        if (IsHighResolutionPartner(static_cast<std::uint64_t>(size.width), static_cast<std::uint64_t>(size.height),
                                    static_cast<std::uint64_t>(Size().width),
                                    static_cast<std::uint64_t>(Size().height))) {
            partner_.emplace(std::move(*decoded));
        } else {
            partnerFile_.clear();
        }
    }
    return partner_ ? *partner_ : own_;
}

UniqueIcon Win32Picture::MakeIcon(int edge, const DpiScale& scale) const {
    const DecodedPicture& source = At(scale);
    HANDLE icon = nullptr;
    if (source.icon.resource) {
        icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(source.icon.resource), IMAGE_ICON, edge, edge,
                          LR_DEFAULTCOLOR);
    } else if (!source.icon.file.empty()) {
        icon = LoadImageW(nullptr, source.icon.file.c_str(), IMAGE_ICON, edge, edge, LR_LOADFROMFILE);
    }
    return icon ? UniqueIcon(static_cast<HICON>(icon)) : IconFromPixels(source.image, edge);
}

const Win32Picture* PictureOf(const Picture& picture) {
    return dynamic_cast<const Win32Picture*>(picture.Data());
}

}  // namespace startart::win32
