// A picture as this platform holds it: the decoded pixels, and where the
// picture came from an icon (an .ico file or the program's own icon
// resource), the way to load that icon at the sizes a window needs.
// Needs: user32, gdi32.
#pragma once

#include <windows.h>

#include <string>

#include "handles.h"
#include "toolkit/picture.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

// Where an icon picture's own images come from: an .ico file or an icon
// resource of the program.
struct IconSource {
    std::wstring file;
    WORD resource = 0;
};

class Win32Picture : public PictureData {
  public:
    Win32Picture(PixelImage image, IconSource icon) : image_(std::move(image)), icon_(std::move(icon)) {}

    PixelSize Size() const override { return image_.size; }
    const PixelImage& Image() const { return image_; }
    // An icon of edge x edge pixels: the icon's own image of that size where
    // the picture is an icon, else the picture scaled to that size.
    UniqueIcon MakeIcon(int edge) const;

  private:
    UniqueIcon IconFromPixels(int edge) const;

    PixelImage image_;
    IconSource icon_;
};

// The platform's picture behind a picture of the model, or null for none.
const Win32Picture* PictureOf(const Picture& picture);

}  // namespace startart::win32
