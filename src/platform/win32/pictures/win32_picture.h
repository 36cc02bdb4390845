// A picture as this platform holds it: the decoded pixels, where the picture
// came from an icon (an .ico file or the program's own icon resource) the
// way to load that icon at the sizes a window needs, and the picture's
// partner for high resolution where one lies beside its file.
// Needs: user32, gdi32.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "dpi_scale.h"
#include "handles.h"
#include "toolkit/picture.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

class WicDecoder;

// Where an icon picture's own images come from: an .ico file or an icon
// resource of the program.
struct IconSource {
    std::wstring file;
    WORD resource = 0;
};

// What a picture file holds for drawing.
struct DecodedPicture {
    PixelImage image;
    IconSource icon;
};

class Win32Picture : public PictureData {
  public:
    // With a partner for high resolution in its file where one is named,
    // decoded only when a display finer than 96 dpi first asks for it.
    explicit Win32Picture(DecodedPicture own, std::wstring partnerFile = {}, WicDecoder* decoder = nullptr)
        : own_(std::move(own)), partnerFile_(std::move(partnerFile)), decoder_(decoder) {}

    PixelSize Size() const override { return own_.image.size; }
    const PixelImage& Image() const { return own_.image; }
    // What to draw from at the scale: the partner, where the display is finer
    // than 96 dpi and the partner decodes at exactly twice the size; else
    // the picture itself.
    const DecodedPicture& At(const DpiScale& scale) const;
    // An icon of edge x edge pixels for a display of the scale: the icon's
    // own image of that size where the picture is an icon, else the picture
    // scaled to that size.
    UniqueIcon MakeIcon(int edge, const DpiScale& scale = DpiScale()) const;

  private:
    DecodedPicture own_;
    mutable std::wstring partnerFile_;
    WicDecoder* decoder_;
    // Decoded on first use, and forgotten (partnerFile_ cleared) where it
    // does not decode or fit.
    mutable std::optional<DecodedPicture> partner_;
};

// The platform's picture behind a picture of the model, or null for none.
const Win32Picture* PictureOf(const Picture& picture);

}  // namespace startart::win32
