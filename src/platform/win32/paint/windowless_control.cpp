// The image and the labels, painted by their form.
// Needs: user32, gdi32.
#include "paint/windowless_control.h"

#include "paint/form_layers.h"
#include "paint/gdi.h"
#include "pictures/win32_picture.h"
#include "text.h"
#include "window_peers/form_window.h"

namespace startart::win32 {

WindowlessControl::WindowlessControl(FormWindow& form, Control& control)
    : form_(form), control_(control), shown_(ShownArea(control, form.Scale())) {
    form_.InvalidateArea(shown_);
}

WindowlessControl::~WindowlessControl() {
    form_.InvalidateArea(shown_);
}

void WindowlessControl::Update(Property) {
    form_.InvalidateArea(shown_);
    shown_ = ShownArea(control_, form_.Scale());
    form_.InvalidateArea(shown_);
}

void ImagePeer::Paint(HDC dc, const RECT&) {
    const Win32Picture* picture = PictureOf(image_.GetPicture());
    if (!picture) {
        return;
    }
    const DpiScale& scale = Form().Scale();
    const RECT placed = RectInForm(image_, scale);
    const PixelImage& source = picture->At(scale).image;
    const PixelSize size =
        image_.Stretch() ? PixelSize{placed.right - placed.left, placed.bottom - placed.top}
                         : PixelSize{scale.ToDevice(picture->Size().width), scale.ToDevice(picture->Size().height)};
    // Transparent parts show the form's background.
    const Key key{&source, size, ToPixel(image_.Parent().BackColor())};
    if (key != cachedFor_) {
        cached_ = ScaledImage(source, size);
        Flatten(cached_, key.background);
        cachedFor_ = key;
    }
    const SavedDc saved(dc);
    IntersectClipRect(dc, placed.left, placed.top, placed.right, placed.bottom);
    DrawPixels(dc, cached_, PixelPoint{placed.left, placed.top});
}

void LabelPeer::Paint(HDC dc, const RECT&) {
    const Control& label = GetControl();
    const DpiScale& scale = Form().Scale();
    RECT area = RectInForm(label, scale);
    const UniqueBrush back(CreateSolidBrush(ToColorRef(label.BackColor())));
    FillRect(dc, &area, back.get());
    if (label.BorderStyle() == 1) {
        const UniqueBrush line(CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME)));
        FrameRect(dc, &area, line.get());
        InflateRect(&area, -1, -1);
    }
    const UniqueFont font = CreateControlFont(label.GetFont(), scale);
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
