// Picture boxes as child windows with a persistent surface.
// Needs: user32, gdi32.
#include "picture_box_window.h"

#include <windowsx.h>

#include <algorithm>

#include "gdi.h"
#include "text.h"
#include "toolkit/platform.h"
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

DWORD BoxStyle(const Control& box) {
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (box.Visible() ? WS_VISIBLE : 0) |
           (box.Enabled() ? 0 : WS_DISABLED);
}

}  // namespace

PictureBoxWindow::PictureBoxWindow(Platform& platform, ATOM windowClass, PictureBox& box, HWND parent)
    : Window(platform), box_(box) {
    RebuildBackdrop();
    ApplyFont();
    Create(0, windowClass, L"", BoxStyle(box), box.Bounds(), parent);
    // Created front to back: each box goes behind the ones before it.
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PictureBoxWindow::Update(Property changed) {
    switch (changed) {
        case Property::kBounds:
            if (SizeOf(box_.Bounds()) != surface_.Size()) {
                RebuildBackdrop();
            }
            moved_ = true;
            RequestSync();
            break;
        case Property::kVisible:
            ShowWindow(Handle(), box_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Property::kEnabled:
            EnableWindow(Handle(), box_.Enabled());
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

void PictureBoxWindow::Move() {
    const PixelRect bounds = box_.Bounds();
    const HWND parent = GetParent(Handle());
    RECT before;
    GetWindowRect(Handle(), &before);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&before), 2);
    // The system neither copies nor redraws: moving a face to show another
    // cell costs less as one repaint from its surface.
    SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    InvalidateRect(Handle(), nullptr, FALSE);
    // What the box no longer covers of its parent's inside shows the parent
    // again. A face that fills its frame leaves nothing.
    RECT inside;
    GetClientRect(parent, &inside);
    const UniqueRegion uncovered(CreateRectRgnIndirect(&before));
    const UniqueRegion after(
        CreateRectRgn(bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height));
    const UniqueRegion parentInside(CreateRectRgnIndirect(&inside));
    CombineRgn(uncovered.get(), uncovered.get(), after.get(), RGN_DIFF);
    if (CombineRgn(uncovered.get(), uncovered.get(), parentInside.get(), RGN_AND) != NULLREGION) {
        RedrawWindow(parent, nullptr, uncovered.get(), RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void PictureBoxWindow::RebuildBackdrop() {
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

void PictureBoxWindow::RestoreBackdrop(const RECT& area) {
    CopyArea(backdrop_.pixels, surface_.Pixels(), backdrop_.size.width, area);
}

void PictureBoxWindow::ApplyFont() {
    UniqueFont font = CreateControlFont(box_.GetFont());
    SelectObject(surface_.Dc(), font.get());
    font_ = std::move(font);
}

void PictureBoxWindow::Cls() {
    if (IsRectEmpty(&dirty_)) {
        return;
    }
    RestoreBackdrop(dirty_);
    Touch(dirty_);
    dirty_ = RECT{};
}

void PictureBoxWindow::Print(const std::string& text, PixelPoint at) {
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

void PictureBoxWindow::Touch(const RECT& area) {
    UnionRect(&touched_, &touched_, &area);
    RequestSync();
}

void PictureBoxWindow::Sync() {
    // Destroyed with its form, the window may be gone before its peer.
    if (!Handle()) {
        return;
    }
    if (std::exchange(moved_, false)) {
        Move();
    }
    const RECT changed =
        shown_.size == surface_.Size() ? DifferingArea(shown_, surface_.Pixels(), touched_) : WholeOf(surface_.Size());
    touched_ = RECT{};
    if (!IsRectEmpty(&changed)) {
        RememberShown(changed);
        InvalidateRect(Handle(), &changed, FALSE);
    }
}

void PictureBoxWindow::RememberShown(const RECT& area) {
    const std::span<const std::uint32_t> now = surface_.Pixels();
    if (shown_.size != surface_.Size()) {
        shown_ = PixelImage{surface_.Size(), {now.begin(), now.end()}};
        return;
    }
    const RECT whole = WholeOf(surface_.Size());
    RECT copied;
    IntersectRect(&copied, &area, &whole);
    CopyArea(now, shown_.pixels, whole.right, copied);
}

DeviceContext PictureBoxWindow::hDC() {
    return reinterpret_cast<DeviceContext>(surface_.Dc());
}

void PictureBoxWindow::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    surface_.CopyTo(dc, paint.rcPaint);
    RememberShown(paint.rcPaint);
    EndPaint(Handle(), &paint);
}

void PictureBoxWindow::OnButtonUp(LPARAM lParam) {
    const bool wasPressed = std::exchange(pressed_, false);
    ReleaseCapture();
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (wasPressed && PtInRect(&client, point)) {
        PictureBox& box = box_;
        Raise([&box] { box.RaiseClick(); });
    }
}

LRESULT PictureBoxWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            surface_.CopyTo(reinterpret_cast<HDC>(wParam), WholeOf(surface_.Size()));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE: {
            PictureBox& box = box_;
            Raise([&box] { box.RaiseMouseMove(); });
            return 0;
        }
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(Handle());
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(lParam);
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        default:
            return Window::OnMessage(message, wParam, lParam);
    }
}

}  // namespace startart::win32
