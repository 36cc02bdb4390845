// The back buffer of a form.
// Needs: gdi32.
#include "paint/back_buffer.h"

#include <cstddef>
#include <new>
#include <span>
#include <vector>

namespace startart::win32 {

BackBuffer::BackBuffer() : stale_(CreateRectRgn(0, 0, 0, 0)) {
    if (!stale_) {
        throw std::bad_alloc();
    }
}

void BackBuffer::Invalidate(const RECT& area) {
    const UniqueRegion changed(CreateRectRgnIndirect(&area));
    CombineRgn(stale_.get(), stale_.get(), changed.get(), RGN_OR);
}

void BackBuffer::Show(const PaintDc& screen, PixelSize client, const Painter& paint) {
    if (surface_.Size() != client) {
        surface_.Resize(client);
        SetRectRgn(stale_.get(), 0, 0, client.width, client.height);
    }
    const DWORD bytes = GetRegionData(stale_.get(), 0, nullptr);
    if (bytes > 0) {
        std::vector<std::byte> data(bytes);
        auto* region = reinterpret_cast<RGNDATA*>(data.data());
        GetRegionData(stale_.get(), bytes, region);
        SetRectRgn(stale_.get(), 0, 0, 0, 0);
        const HDC canvas = surface_.Dc();
        // Rectangle by rectangle: two buttons far apart repaint the two, not
        // everything between them.
        for (const RECT& area : std::span(reinterpret_cast<const RECT*>(region->Buffer), region->rdh.nCount)) {
            const SavedDc saved(canvas);
            IntersectClipRect(canvas, area.left, area.top, area.right, area.bottom);
            paint(canvas, area);
        }
    }
    // The system clips the copy to what is invalid.
    const RECT& asked = screen.Area();
    surface_.CopyTo(screen.get(), POINT{asked.left, asked.top}, asked);
}

}  // namespace startart::win32
