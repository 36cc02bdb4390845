// Picture boxes painted by their form from a persistent surface.
// Needs: user32, gdi32.
#include "windowless_picture_box.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "form_layers.h"
#include "form_window.h"
#include "gdi.h"
#include "text.h"
#include "win32_picture.h"

namespace startart::win32 {
namespace {

RECT WholeOf(PixelSize size) {
    return RECT{0, 0, size.width, size.height};
}

PixelSize SizeOf(const PixelRect& rect) {
    return PixelSize{rect.width, rect.height};
}

// Copies an area between two pixel buffers of one width.
void CopyArea(std::span<const std::uint32_t> from, std::span<std::uint32_t> to, int width, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y) {
        const auto row = static_cast<std::size_t>(y * width);
        std::copy(from.begin() + row + area.left, from.begin() + row + area.right, to.begin() + row + area.left);
    }
}

// The backdrop of a box: shared by all boxes that show one picture on one
// colour at one size, so that fifteen faces make it once.
std::shared_ptr<const PixelImage> SharedBackdrop(PixelSize size, std::uint32_t background, const Picture& picture) {
    struct Entry {
        // Holds the picture, so that no other picture can take its place.
        Picture picture;
        PixelSize size;
        std::uint32_t background;
        std::weak_ptr<const PixelImage> backdrop;
    };
    static std::vector<Entry> entries;
    std::erase_if(entries, [](const Entry& entry) { return entry.backdrop.expired(); });
    for (const Entry& entry : entries) {
        if (entry.picture == picture && entry.size == size && entry.background == background) {
            return entry.backdrop.lock();
        }
    }
    const Win32Picture* pixels = PictureOf(picture);
    auto backdrop =
        std::make_shared<const PixelImage>(Backdrop(size, background, pixels ? pixels->Image() : PixelImage{}));
    entries.push_back(Entry{picture, size, background, backdrop});
    return backdrop;
}

}  // namespace

WindowlessPictureBox::WindowlessPictureBox(FormWindow& form, PictureBox& box) : form_(form), box_(box) {}

WindowlessPictureBox::~WindowlessPictureBox() {
    form_.InvalidateArea(shownArea_);
}

void WindowlessPictureBox::Update(Property changed) {
    switch (changed) {
        case Property::kBounds:
            if (!surface_ || SizeOf(box_.Bounds()) != surface_->Size()) {
                backdropStale_ = true;
            }
            RequestSync();
            break;
        case Property::kVisible:
            RequestSync();
            break;
        case Property::kFont:
            fontStale_ = true;
            ++fontGeneration_;
            break;
        case Property::kBackColor:
        case Property::kPicture:
            backdropStale_ = true;
            RequestSync();
            break;
        default:
            break;
    }
}

Surface& WindowlessPictureBox::Canvas() {
    if (!surface_) {
        surface_.emplace();
    }
    if (std::exchange(backdropStale_, false)) {
        RebuildBackdrop();
    }
    if (std::exchange(fontStale_, false)) {
        surface_->SetFont(CreateControlFont(box_.GetFont()));
    }
    return *surface_;
}

void WindowlessPictureBox::RebuildBackdrop() {
    const PixelSize size = SizeOf(box_.Bounds());
    backdrop_ = SharedBackdrop(size, ToPixel(box_.BackColor()), box_.GetPicture());
    if (surface_->Size() != size) {
        surface_->Resize(size);
    }
    // The backdrop goes onto the surface where it is first shown or drawn
    // on: fifteen faces of a whole button picture each show a button's
    // worth of it.
    ready_ = RECT{};
    dirty_ = RECT{};
    printed_.clear();
    clsPending_ = false;
    Touch(WholeOf(size));
}

void WindowlessPictureBox::RestoreBackdrop(const RECT& area) {
    CopyArea(backdrop_->pixels, surface_->Pixels(), backdrop_->size.width, area);
}

void WindowlessPictureBox::Prepare(const RECT& area) {
    const RECT whole = WholeOf(surface_->Size());
    RECT wanted;
    if (!IntersectRect(&wanted, &area, &whole)) {
        return;
    }
    RECT ready;
    UnionRect(&ready, &ready_, &wanted);
    if (EqualRect(&ready, &ready_)) {
        return;
    }
    // What the new ready area adds to the old one: the bands above and
    // below it, and beside it at its height.
    if (IsRectEmpty(&ready_)) {
        RestoreBackdrop(ready);
    } else {
        RestoreBackdrop(RECT{ready.left, ready.top, ready.right, ready_.top});
        RestoreBackdrop(RECT{ready.left, ready_.bottom, ready.right, ready.bottom});
        RestoreBackdrop(RECT{ready.left, ready_.top, ready_.left, ready_.bottom});
        RestoreBackdrop(RECT{ready_.right, ready_.top, ready.right, ready_.bottom});
    }
    ready_ = ready;
}

void WindowlessPictureBox::Cls() {
    // Without a surface there is no text to clear.
    if (surface_) {
        clsPending_ = true;
        RequestSync();
    }
}

void WindowlessPictureBox::FlushCls() {
    if (!std::exchange(clsPending_, false)) {
        return;
    }
    Canvas();
    printed_.clear();
    if (!IsRectEmpty(&dirty_)) {
        RestoreBackdrop(dirty_);
        Touch(dirty_);
        dirty_ = RECT{};
    }
}

void WindowlessPictureBox::Print(const std::string& text, PixelPoint at) {
    const std::wstring wide = Widen(text);
    if (wide.empty()) {
        return;
    }
    const Printed printed{wide, at, ToColorRef(box_.ForeColor()), fontGeneration_};
    if (clsPending_ && !backdropStale_ && printed_ == std::vector<Printed>{printed}) {
        clsPending_ = false;
        return;
    }
    FlushCls();
    printed_.push_back(printed);
    Surface& surface = Canvas();
    const HDC dc = surface.Dc();

    // Where the text goes, with room for the overhang of bold and smoothed
    // glyphs, clipped to the surface.
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int slack = 2 + metrics.tmOverhang + metrics.tmAveCharWidth / 2;
    RECT drawn{at.x - slack, at.y, at.x + extent.cx + slack, at.y + extent.cy};
    const RECT whole = WholeOf(surface.Size());
    if (!IntersectRect(&drawn, &drawn, &whole)) {
        return;
    }
    Prepare(drawn);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(box_.ForeColor()));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
    UnionRect(&dirty_, &dirty_, &drawn);
    Touch(drawn);
}

void WindowlessPictureBox::Touch(const RECT& area) {
    UnionRect(&touched_, &touched_, &area);
    RequestSync();
}

void WindowlessPictureBox::Sync() {
    FlushCls();
    const RECT placed = RectInForm(box_);
    const RECT shownArea = ShownArea(box_);
    if (!EqualRect(&placed, &placed_) || !EqualRect(&shownArea, &shownArea_)) {
        form_.InvalidateArea(shownArea_);
        form_.InvalidateArea(shownArea);
        placed_ = placed;
        shownArea_ = shownArea;
    }
    if (!HasSurface()) {
        // Nothing but the back colour: it shows wherever the box shows.
        if (std::exchange(backdropStale_, false)) {
            form_.InvalidateArea(shownArea);
        }
        return;
    }
    // A stale backdrop is made now, and touches the whole box.
    Canvas();
    RECT changed = std::exchange(touched_, RECT{});
    OffsetRect(&changed, placed.left, placed.top);
    if (IntersectRect(&changed, &changed, &shownArea)) {
        form_.InvalidateArea(changed);
    }
}

DeviceContext WindowlessPictureBox::hDC() {
    // The device context is handed out for the settings of the text that
    // Print draws (the character spacing), which change what the same Print
    // draws. Nothing is drawn through it: the surface would show it only
    // where it is ready.
    FlushCls();
    printed_.clear();
    return reinterpret_cast<DeviceContext>(Canvas().Dc());
}

void WindowlessPictureBox::Paint(HDC canvas, const RECT& area) {
    FlushCls();
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
    const HDC surface = Canvas().Dc();
    Prepare(source);
    BitBlt(canvas, painted.left, painted.top, painted.right - painted.left, painted.bottom - painted.top, surface,
           source.left, source.top, SRCCOPY);
}

}  // namespace startart::win32
