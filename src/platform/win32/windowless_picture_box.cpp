// Picture boxes painted by their form from a persistent surface.
// Needs: user32, gdi32.
#include "windowless_picture_box.h"

#include <algorithm>

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

}  // namespace

WindowlessPictureBox::WindowlessPictureBox(FormWindow& form, PictureBox& box) : form_(form), box_(box) {
    RebuildBackdrop();
    ApplyFont();
}

WindowlessPictureBox::~WindowlessPictureBox() {
    form_.InvalidateArea(shownArea_);
}

void WindowlessPictureBox::Update(Property changed) {
    switch (changed) {
        case Property::kBounds:
            if (SizeOf(box_.Bounds()) != surface_.Size()) {
                RebuildBackdrop();
            }
            RequestSync();
            break;
        case Property::kVisible:
            RequestSync();
            break;
        case Property::kFont:
            ApplyFont();
            break;
        case Property::kBackColor:
        case Property::kPicture:
            RebuildBackdrop();
            break;
        default:
            break;
    }
}

void WindowlessPictureBox::RebuildBackdrop() {
    const PixelSize size = SizeOf(box_.Bounds());
    const Win32Picture* picture = PictureOf(box_.GetPicture());
    backdrop_ = Backdrop(size, ToPixel(box_.BackColor()), picture ? picture->Image() : PixelImage{});
    if (surface_.Size() != size) {
        surface_.Resize(size);
    }
    std::ranges::copy(backdrop_.pixels, surface_.Pixels().begin());
    dirty_ = RECT{};
    Touch(WholeOf(size));
}

void WindowlessPictureBox::RestoreBackdrop(const RECT& area) {
    CopyArea(backdrop_.pixels, surface_.Pixels(), backdrop_.size.width, area);
}

void WindowlessPictureBox::ApplyFont() {
    UniqueFont font = CreateControlFont(box_.GetFont());
    SelectObject(surface_.Dc(), font.get());
    font_ = std::move(font);
}

void WindowlessPictureBox::Cls() {
    if (IsRectEmpty(&dirty_)) {
        return;
    }
    RestoreBackdrop(dirty_);
    Touch(dirty_);
    dirty_ = RECT{};
}

void WindowlessPictureBox::Print(const std::string& text, PixelPoint at) {
    const std::wstring wide = Widen(text);
    if (wide.empty()) {
        return;
    }
    const HDC dc = surface_.Dc();
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
    const RECT whole = WholeOf(surface_.Size());
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
    const RECT placed = RectInForm(box_);
    const RECT shownArea = ShownArea(box_);
    if (!EqualRect(&placed, &placed_) || !EqualRect(&shownArea, &shownArea_)) {
        form_.InvalidateArea(shownArea_);
        form_.InvalidateArea(shownArea);
        placed_ = placed;
        shownArea_ = shownArea;
    }
    RECT changed =
        shown_.size == surface_.Size() ? DifferingArea(shown_, surface_.Pixels(), touched_) : WholeOf(surface_.Size());
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
    const std::span<const std::uint32_t> now = surface_.Pixels();
    if (shown_.size != surface_.Size()) {
        shown_ = PixelImage{surface_.Size(), {now.begin(), now.end()}};
        return;
    }
    const RECT whole = WholeOf(surface_.Size());
    RECT copied;
    if (IntersectRect(&copied, &area, &whole)) {
        CopyArea(now, shown_.pixels, whole.right, copied);
    }
}

DeviceContext WindowlessPictureBox::hDC() {
    return reinterpret_cast<DeviceContext>(surface_.Dc());
}

void WindowlessPictureBox::Paint(HDC canvas, const RECT& area) {
    const RECT placed = RectInForm(box_);
    const RECT shownArea = ShownArea(box_);
    RECT painted;
    if (!IntersectRect(&painted, &shownArea, &area)) {
        return;
    }
    RECT source = painted;
    OffsetRect(&source, -placed.left, -placed.top);
    BitBlt(canvas, painted.left, painted.top, painted.right - painted.left, painted.bottom - painted.top, surface_.Dc(),
           source.left, source.top, SRCCOPY);
    RememberShown(source);
}

}  // namespace startart::win32
