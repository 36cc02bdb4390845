// Picture boxes painted by their form from their surface.
// Needs: user32, gdi32.
#include "windowless_picture_box.h"

#include <utility>

#include "form_layers.h"
#include "form_window.h"
#include "gdi.h"
#include "text.h"

namespace startart::win32 {
namespace {

RECT WholeOf(const PixelRect& rect) {
    return RECT{0, 0, rect.width, rect.height};
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
            Touch(WholeOf(box_.Bounds()));
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
    const BackdropLook look{box_.GetPicture(), PixelSize{bounds.width, bounds.height}, ToPixel(box_.BackColor())};
    if (!surface_->Shows(look)) {
        surface_->SetBackdrop(backdrops_.Get(look));
        printed_.Reset();
        Touch(WholeOf(bounds));
    }
    surface_->UseFont(box_.GetFont());
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
    const std::wstring wide = Widen(text);
    if (wide.empty()) {
        return;
    }
    BoxSurface& surface = Canvas();
    const OleColor color = box_.ForeColor();
    switch (printed_.Print(PrintedText{text, at, box_.GetFont(), color, GetTextCharacterExtra(surface.Dc())})) {
        case PrintLog::Drawing::kNone:
            return;
        case PrintLog::Drawing::kClearThenText:
            Touch(surface.ClearText());
            [[fallthrough]];
        case PrintLog::Drawing::kText:
            Touch(surface.DrawText(wide, at, ToColorRef(color)));
            return;
    }
}

void WindowlessPictureBox::Touch(const RECT& area) {
    UnionRect(&touched_, &touched_, &area);
    RequestSync();
}

void WindowlessPictureBox::Sync() {
    const RECT placed = RectInForm(box_);
    const RECT shownArea = ShownArea(box_);
    if (!EqualRect(&placed, &placed_) || !EqualRect(&shownArea, &shownArea_)) {
        form_.InvalidateArea(shownArea_);
        form_.InvalidateArea(shownArea);
        placed_ = placed;
        shownArea_ = shownArea;
    }
    if (HasSurface()) {
        // A changed backdrop is made now, and touches the whole box.
        ShownCanvas();
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
    const RECT placed = RectInForm(box_);
    const RECT shownArea = ShownArea(box_);
    RECT painted;
    if (!IntersectRect(&painted, &shownArea, &area)) {
        return;
    }
    if (!HasSurface()) {
        const UniqueBrush back(CreateSolidBrush(ToColorRef(box_.BackColor())));
        FillRect(canvas, &painted, back.get());
        return;
    }
    RECT source = painted;
    OffsetRect(&source, -placed.left, -placed.top);
    ShownCanvas().CopyTo(canvas, POINT{painted.left, painted.top}, source);
}

}  // namespace startart::win32
