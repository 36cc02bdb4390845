// Picture boxes as child windows with a persistent surface.
// Needs: user32, gdi32.
#include "picture_box_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "gdi.h"
#include "text.h"
#include "toolkit/platform.h"
#include "win32_picture.h"

namespace startart::win32 {
namespace {

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
            Move();
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
            InvalidateRect(Handle(), nullptr, FALSE);
            break;
        default:
            break;
    }
}

void PictureBoxWindow::Move() {
    const PixelRect bounds = box_.Bounds();
    const bool resized = bounds.width != surface_.Size().width || bounds.height != surface_.Size().height;
    SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (resized) {
        RebuildBackdrop();
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void PictureBoxWindow::RebuildBackdrop() {
    const PixelSize size{box_.Bounds().width, box_.Bounds().height};
    const Win32Picture* picture = PictureOf(box_.GetPicture());
    backdrop_ = Backdrop(size, ToPixel(box_.BackColor()), picture ? picture->Image() : PixelImage{});
    if (surface_.Size() != size) {
        surface_.Resize(size);
    }
    std::ranges::copy(backdrop_.pixels, surface_.Pixels().begin());
    dirty_ = RECT{};
}

void PictureBoxWindow::RestoreBackdrop(const RECT& area) {
    const std::span<std::uint32_t> pixels = surface_.Pixels();
    const int width = backdrop_.size.width;
    const auto columns = static_cast<std::size_t>(area.right - area.left);
    for (int y = area.top; y < area.bottom; ++y) {
        const auto offset = static_cast<std::size_t>(y * width + area.left);
        std::memcpy(&pixels[offset], &backdrop_.pixels[offset], columns * sizeof(std::uint32_t));
    }
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
    InvalidateRect(Handle(), &dirty_, FALSE);
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
    const RECT whole{0, 0, surface_.Size().width, surface_.Size().height};
    if (!IntersectRect(&drawn, &drawn, &whole)) {
        return;
    }
    UnionRect(&dirty_, &dirty_, &drawn);
    InvalidateRect(Handle(), &drawn, FALSE);
}

DeviceContext PictureBoxWindow::hDC() {
    return reinterpret_cast<DeviceContext>(surface_.Dc());
}

void PictureBoxWindow::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    surface_.CopyTo(dc, paint.rcPaint);
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
        case WM_PRINTCLIENT: {
            const RECT whole{0, 0, surface_.Size().width, surface_.Size().height};
            surface_.CopyTo(reinterpret_cast<HDC>(wParam), whole);
            return 0;
        }
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
