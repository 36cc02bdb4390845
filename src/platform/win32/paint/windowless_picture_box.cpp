// Picture boxes painted by their form from their surface.
// Needs: user32, gdi32.
#include "paint/windowless_picture_box.h"

#include <utility>

#include "paint/form_layers.h"
#include "paint/gdi.h"
#include "window_peers/form_window.h"

namespace startart::win32 {
namespace {

RECT SizeOf(const RECT& rect) {
    return RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
}

// An area of the form on the surface of the box placed there.
RECT OnSurface(RECT area, const RECT& placed) {
    OffsetRect(&area, -placed.left, -placed.top);
    return area;
}

}  // namespace

WindowlessPictureBox::WindowlessPictureBox(FormWindow& form,
                                           PictureBox& box,
                                           SyncQueue& syncs,
                                           BackdropCache& backdrops)
    : DeferredSync(syncs), form_(form), box_(box), backdrops_(backdrops) {}

WindowlessPictureBox::~WindowlessPictureBox() {
    form_.InvalidateArea(shownArea_);
}

void WindowlessPictureBox::Update(Property changed) {
    switch (changed) {
        case Property::kBounds:
        case Property::kVisible:
            RequestSync();
            break;
        case Property::kBackColor:
        case Property::kPicture:
            Touch(SizeOf(RectInForm(box_, form_.Scale())));
            break;
        default:
            break;
    }
}

BoxSurface& WindowlessPictureBox::Canvas() {
    if (!surface_) {
        surface_.emplace();
    }
    const PixelRect bounds = box_.Bounds();
    const BackdropLook look{box_.GetPicture(), PixelSize{bounds.width, bounds.height}, ToPixel(box_.BackColor()),
                            BoxTile(box_), form_.Scale()};
    if (!surface_->Shows(look)) {
        // At a new DPI the text stays and is drawn anew; a new picture, size
        // or colour is a new surface, without text.
        const bool rescaled = surface_->ShowsAtAnotherScale(look);
        surface_->SetBackdrop(backdrops_.Get(look));
        Touch(SizeOf(RectInForm(box_, look.scale)));
        if (!rescaled) {
            printed_.Reset();
        }
        for (const PrintedText& printed : printed_.Printed()) {
            surface_->DrawText(printed);
        }
    }
    return *surface_;
}

void WindowlessPictureBox::Cls() {
    // Without a surface there is no text to clear.
    if (surface_) {
        printed_.Cls();
        RequestSync();
    }
}

BoxSurface& WindowlessPictureBox::ShownCanvas() {
    // A new backdrop has no text, and leaves no Cls to carry out.
    BoxSurface& surface = Canvas();
    if (printed_.TakeCls()) {
        Touch(surface.ClearText());
    }
    return surface;
}

void WindowlessPictureBox::Print(const std::string& text, PixelPoint at) {
    if (text.empty()) {
        return;
    }
    BoxSurface& surface = Canvas();
    PrintedText printed{text, at, box_.GetFont(), box_.ForeColor(), GetTextCharacterExtra(surface.Dc())};
    switch (printed_.Print(printed)) {
        case PrintLog::Drawing::kNone:
            return;
        case PrintLog::Drawing::kClearThenText:
            Touch(surface.ClearText());
            [[fallthrough]];
        case PrintLog::Drawing::kText:
            Touch(surface.DrawText(printed));
            return;
    }
}

void WindowlessPictureBox::Touch(const RECT& area) {
    UnionRect(&touched_, &touched_, &area);
    RequestSync();
}

void WindowlessPictureBox::Sync() {
    const RECT placed = RectInForm(box_, form_.Scale());
    const RECT shownArea = ShownArea(box_, form_.Scale());
    if (!EqualRect(&placed, &placed_) || !EqualRect(&shownArea, &shownArea_)) {
        form_.InvalidateArea(shownArea_);
        form_.InvalidateArea(shownArea);
        placed_ = placed;
        shownArea_ = shownArea;
    }
    if (HasSurface()) {
        // A changed backdrop is made now, and touches the whole box. What
        // shows of it is put on the surface now too, so that a paint only
        // copies.
        ShownCanvas().Prepare(OnSurface(shownArea, placed));
    }
    RECT changed = std::exchange(touched_, RECT{});
    OffsetRect(&changed, placed.left, placed.top);
    if (IntersectRect(&changed, &changed, &shownArea)) {
        form_.InvalidateArea(changed);
    }
}

DeviceContext WindowlessPictureBox::hDC() {
    // The device context is handed out for the settings of the text that
    // Print draws (the character spacing), which every Print notes. Nothing
    // is drawn through it: the surface would show it only where it is ready.
    return reinterpret_cast<DeviceContext>(Canvas().Dc());
}

void WindowlessPictureBox::Paint(HDC canvas, const RECT& area) {
    if (!HasSurface()) {
        const UniqueBrush back(CreateSolidBrush(ToColorRef(box_.BackColor())));
        FillRect(canvas, &area, back.get());
        return;
    }
    ShownCanvas().CopyTo(canvas, POINT{area.left, area.top}, OnSurface(area, RectInForm(box_, form_.Scale())));
}

}  // namespace startart::win32
