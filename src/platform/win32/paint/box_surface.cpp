// The surface of a picture box.
// Needs: gdi32.
#include "paint/box_surface.h"

#include <utility>

#include "paint/gdi.h"
#include "text.h"

namespace startart::win32 {
namespace {

RECT WholeOf(PixelSize size) {
    return RECT{0, 0, size.width, size.height};
}

}  // namespace

bool BoxSurface::ShowsAtAnotherScale(const BackdropLook& look) const {
    if (!backdrop_) {
        return false;
    }
    BackdropLook rescaled = backdrop_->look;
    rescaled.scale = look.scale;
    return rescaled == look;
}

void BoxSurface::SetBackdrop(std::shared_ptr<const CachedBackdrop> backdrop) {
    if (backdrop_ && backdrop_->look.scale != backdrop->look.scale) {
        font_.reset();
    }
    backdrop_ = std::move(backdrop);
    const PixelSize size = backdrop_->Size();
    if (surface_.Size() != size) {
        surface_.Resize(size);
    }
    ready_ = RECT{};
    dirty_ = RECT{};
}

void BoxSurface::UseFont(const Font& font) {
    if (font_ != font) {
        surface_.SetFont(CreateControlFont(font, backdrop_->look.scale));
        font_ = font;
    }
}

RECT BoxSurface::DrawText(const PrintedText& printed) {
    const std::wstring text = Widen(printed.text);
    const HDC dc = surface_.Dc();
    UseFont(printed.font);
    const POINT at = backdrop_->look.ToDevice(printed.at);
    const int spacing = GetTextCharacterExtra(dc);
    SetTextCharacterExtra(dc, backdrop_->look.scale.ToDevice(printed.characterExtra));
    // Where the text goes, with room for the overhang of bold and smoothed
    // glyphs, clipped to the surface.
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int slack = 2 + metrics.tmOverhang + metrics.tmAveCharWidth / 2;
    RECT drawn{at.x - slack, at.y, at.x + extent.cx + slack, at.y + extent.cy};
    const RECT whole = WholeOf(surface_.Size());
    if (IntersectRect(&drawn, &drawn, &whole)) {
        Prepare(drawn);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(printed.color));
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        TextOutW(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
        UnionRect(&dirty_, &dirty_, &drawn);
    }
    SetTextCharacterExtra(dc, spacing);
    return drawn;
}

RECT BoxSurface::ClearText() {
    const RECT cleared = std::exchange(dirty_, RECT{});
    if (!IsRectEmpty(&cleared)) {
        RestoreBackdrop(cleared);
    }
    return cleared;
}

void BoxSurface::CopyTo(HDC canvas, POINT to, const RECT& area) {
    Prepare(area);
    surface_.CopyTo(canvas, to, area);
}

void BoxSurface::Prepare(const RECT& area) {
    const RECT whole = WholeOf(surface_.Size());
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

void BoxSurface::RestoreBackdrop(const RECT& area) {
    backdrop_->CopyArea(area, surface_.Pixels());
}

}  // namespace startart::win32
