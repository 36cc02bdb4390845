// The image and the labels, painted by their form.
// Needs: user32, gdi32.
#include "windowless_control.h"

#include "form_layers.h"
#include "form_window.h"
#include "gdi.h"
#include "text.h"
#include "win32_picture.h"

namespace startart::win32 {

WindowlessControl::WindowlessControl(FormWindow& form, Control& control)
    : form_(form), control_(control), shown_(ShownArea(control)) {
    form_.InvalidateArea(shown_);
}

WindowlessControl::~WindowlessControl() {
    form_.InvalidateArea(shown_);
}

void WindowlessControl::Update(Property) {
    form_.InvalidateArea(shown_);
    shown_ = ShownArea(control_);
    form_.InvalidateArea(shown_);
}

void ImagePeer::Paint(HDC dc, const RECT&) {
    const Win32Picture* picture = PictureOf(image_.GetPicture());
    if (!picture) {
        return;
    }
    const PixelRect bounds = image_.Bounds();
    const PixelSize size = image_.Stretch() ? PixelSize{bounds.width, bounds.height} : picture->Size();
    // Transparent parts show the form's background.
    const Key key{picture, size, ToPixel(image_.Parent().BackColor())};
    if (key != cachedFor_) {
        const PixelImage& source = picture->Image();
        cached_ = size == source.size ? source : ScaledImage(source, size);
        Flatten(cached_, key.background);
        cachedFor_ = key;
    }
    const RECT clip = ToRect(bounds);
    const SavedDc saved(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    DrawPixels(dc, cached_, PixelPoint{bounds.left, bounds.top});
}

void LabelPeer::Paint(HDC dc, const RECT&) {
    const Control& label = GetControl();
    RECT area = ToRect(label.Bounds());
    const UniqueBrush back(CreateSolidBrush(ToColorRef(label.BackColor())));
    FillRect(dc, &area, back.get());
    if (label.BorderStyle() == 1) {
        const UniqueBrush line(CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME)));
        FrameRect(dc, &area, line.get());
        InflateRect(&area, -1, -1);
    }
    const UniqueFont font = CreateControlFont(label.GetFont());
    const Selection selected(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(label.ForeColor()));
    UINT format = DT_WORDBREAK | DT_NOPREFIX;
    switch (label.Alignment()) {
        case LabelAlignment::kCenter:
            format |= DT_CENTER;
            break;
        case LabelAlignment::kRight:
            format |= DT_RIGHT;
            break;
        case LabelAlignment::kLeft:
            format |= DT_LEFT;
            break;
    }
    const std::wstring text = Widen(label.Caption());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

}  // namespace startart::win32
