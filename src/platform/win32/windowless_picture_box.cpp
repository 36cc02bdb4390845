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

// The smallest rectangle around the pixels inside `area` where two images of
// one size differ; empty when none does.
RECT DifferingArea(const PixelImage& image, std::span<const std::uint32_t> pixels, const RECT& area) {
    const auto at = [&](int x, int y) { return static_cast<std::size_t>(y * image.size.width + x); };
    RECT differing{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (image.pixels[at(x, y)] != pixels[at(x, y)]) {
                differing.left = std::min<LONG>(differing.left, x);
                differing.top = std::min<LONG>(differing.top, y);
                differing.right = std::max<LONG>(differing.right, x + 1);
                differing.bottom = std::max<LONG>(differing.bottom, y + 1);
            }
        }
    }
    return differing.left < differing.right ? differing : RECT{};
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
        UniqueFont font = CreateControlFont(box_.GetFont());
        SelectObject(surface_->Dc(), font.get());
        font_ = std::move(font);
    }
    return *surface_;
}

void WindowlessPictureBox::RebuildBackdrop() {
    const PixelSize size = SizeOf(box_.Bounds());
    backdrop_ = SharedBackdrop(size, ToPixel(box_.BackColor()), box_.GetPicture());
    if (surface_->Size() != size) {
        surface_->Resize(size);
    }
    std::ranges::copy(backdrop_->pixels, surface_->Pixels().begin());
    dirty_ = RECT{};
    printed_.clear();
    clsPending_ = false;
    Touch(WholeOf(size));
}

void WindowlessPictureBox::RestoreBackdrop(const RECT& area) {
    CopyArea(backdrop_->pixels, surface_->Pixels(), backdrop_->size.width, area);
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
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(box_.ForeColor()));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));

    // Where the text went, with room for the overhang of bold and smoothed
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
    Surface& surface = Canvas();
    RECT changed =
        shown_.size == surface.Size() ? DifferingArea(shown_, surface.Pixels(), touched_) : WholeOf(surface.Size());
    touched_ = RECT{};
    if (IsRectEmpty(&changed)) {
        return;
    }
    RememberShown(changed);
    OffsetRect(&changed, placed.left, placed.top);
    if (IntersectRect(&changed, &changed, &shownArea)) {
        form_.InvalidateArea(changed);
    }
}

void WindowlessPictureBox::RememberShown(const RECT& area) {
    const std::span<const std::uint32_t> now = surface_->Pixels();
    if (shown_.size != surface_->Size()) {
        shown_ = PixelImage{surface_->Size(), {now.begin(), now.end()}};
        return;
    }
    const RECT whole = WholeOf(surface_->Size());
    RECT copied;
    if (IntersectRect(&copied, &area, &whole)) {
        CopyArea(now, shown_.pixels, whole.right, copied);
    }
}

DeviceContext WindowlessPictureBox::hDC() {
    // What is drawn through the device context from outside (the character
    // spacing) changes what the same Print draws.
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
    BitBlt(canvas, painted.left, painted.top, painted.right - painted.left, painted.bottom - painted.top, Canvas().Dc(),
           source.left, source.top, SRCCOPY);
    RememberShown(source);
}

}  // namespace startart::win32
