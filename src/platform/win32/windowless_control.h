// Peers of the controls that have no window of their own: the image and the
// labels. Their form paints them, below its child windows; a change of one
// repaints the area it covered and covers now.
// Needs: user32, gdi32.
#pragma once

#include <windows.h>

#include "toolkit/control.h"
#include "toolkit/peer.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

class FormWindow;

class WindowlessControl : public ControlPeer {
  public:
    WindowlessControl(FormWindow& form, Control& control);
    ~WindowlessControl() override;

    void Update(Property changed) override;
    // Paints the control on the form's client area.
    virtual void Paint(HDC dc, OleColor formBackColor) = 0;

  protected:
    Control& GetControl() const { return control_; }

  private:
    FormWindow& form_;
    Control& control_;
    PixelRect shown_;
};

// The image: its picture at natural size, or stretched to the control with
// a smoothing filter. The stretched pixels are kept for the next paint and
// made again only when the picture, the size or the background changes.
class ImagePeer : public WindowlessControl {
  public:
    ImagePeer(FormWindow& form, Image& image) : WindowlessControl(form, image), image_(image) {}
    void Paint(HDC dc, OleColor formBackColor) override;

  private:
    struct Key {
        const PictureData* picture = nullptr;
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
    void Paint(HDC dc, OleColor formBackColor) override;
};

}  // namespace startart::win32
