// Peers of the image and the labels. Their form paints them, below its
// picture boxes; a change of one repaints the area it covered and covers now.
// Needs: user32, gdi32.
#pragma once

#include <windows.h>

#include "paint/form_painted.h"
#include "toolkit/control.h"
#include "toolkit/peer.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

class FormWindow;

class WindowlessControl : public ControlPeer, public FormPainted {
  public:
    WindowlessControl(FormWindow& form, Control& control);
    ~WindowlessControl() override;

    void Update(Property changed) override;
    // An image may be transparent in parts, a label between its letters.
    bool Opaque() const override { return false; }

  protected:
    Control& GetControl() const { return control_; }
    FormWindow& Form() const { return form_; }

  private:
    FormWindow& form_;
    Control& control_;
    RECT shown_;
};

// The image: its picture at natural size, or stretched to the control with
// a smoothing filter, straight from the picture (or its partner for high
// resolution) to the device pixels. The stretched pixels are kept for the
// next paint and made again only when the source, the size or the background
// changes.
class ImagePeer : public WindowlessControl {
  public:
    ImagePeer(FormWindow& form, Image& image) : WindowlessControl(form, image), image_(image) {}
    void Paint(HDC canvas, const RECT& area) override;

  private:
    struct Key {
        const PixelImage* source = nullptr;
        PixelSize size;
        std::uint32_t background = 0;
        bool operator==(const Key&) const = default;
    };

    Image& image_;
    Key cachedFor_;
    PixelImage cached_;
};

// A label: its back colour, an optional single-line border, and its text
// wrapped at word boundaries, broken at every line break and cut off at the
// rectangle, left-aligned, right-aligned or centred.
class LabelPeer : public WindowlessControl {
  public:
    LabelPeer(FormWindow& form, Label& label) : WindowlessControl(form, label) {}
    void Paint(HDC canvas, const RECT& area) override;
};

}  // namespace startart::win32
