// The memory surface of picture boxes.
// Needs: gdi32.
#include "paint/surface.h"

#include <algorithm>
#include <new>
#include <utility>

#include "paint/gdi.h"

namespace startart::win32 {

Surface::Surface() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) {
        throw std::bad_alloc();
    }
}

void Surface::Select(std::optional<Selection>& selection, HGDIOBJ object) {
    // The context's own object goes back in first, so that the new selection
    // remembers that one and the object selected until now is free to go.
    selection.reset();
    selection.emplace(dc_.get(), object);
}

void Surface::Resize(PixelSize size) {
    const PixelSize allocated{std::max(1, size.width), std::max(1, size.height)};
    const BITMAPINFO info = DibInfo(allocated);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        throw std::bad_alloc();
    }
    Select(selectedBitmap_, bitmap.get());
    bitmap_ = std::move(bitmap);
    bits_ = static_cast<std::uint32_t*>(bits);
    size_ = size;
}

void Surface::SetFont(UniqueFont font) {
    Select(selectedFont_, font.get());
    font_ = std::move(font);
}

std::span<std::uint32_t> Surface::Pixels() {
    GdiFlush();
    const auto count = static_cast<std::size_t>(std::max(1, size_.width) * std::max(1, size_.height));
    return {bits_, bits_ ? count : 0};
}

void Surface::CopyTo(HDC target, POINT to, const RECT& area) const {
    BitBlt(target, to.x, to.y, area.right - area.left, area.bottom - area.top, dc_.get(), area.left, area.top, SRCCOPY);
}

}  // namespace startart::win32
