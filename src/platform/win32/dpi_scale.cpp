// Logical and device pixels, and the DPI that relates them.
// Needs: user32, gdi32; shcore.dll where Windows has it, loaded at run time.
#include "dpi_scale.h"

#include <cmath>

#include "handles.h"
#include "system/system_files.h"

namespace startart::win32 {
namespace {

// Rounds towards minus infinity, also below zero. In doubles, which hold
// every product here exactly and, unlike 64-bit integers, need no library
// code in a 32-bit program.
int FloorDivide(double dividend, double divisor) {
    return static_cast<int>(std::floor(dividend / divisor));
}

// A function of one of Windows' DLLs that not every version has, or null.
// The DLL comes from the system folder only: shcore.dll, where Windows 8.1
// keeps the DPI of each display, is no KnownDLL.
template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) {
        module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return module ? FunctionOf<Function>(module, name) : nullptr;
}

}  // namespace

int DpiScale::ToDevice(int logical) const {
    return FloorDivide(static_cast<double>(logical) * dpi_ + kLogicalDpi / 2, kLogicalDpi);
}

int DpiScale::ToLogical(int device) const {
    // The largest L with L * dpi + 48 < (device + 1) * 96.
    return FloorDivide(static_cast<double>(device) * kLogicalDpi + kLogicalDpi / 2 - 1, dpi_);
}

int DpiScale::ToDevice(int logical, int tile) const {
    if (tile <= 0) {
        return ToDevice(logical);
    }
    const int tiles = FloorDivide(logical, tile);
    return tiles * ToDevice(tile) + ToDevice(logical - tiles * tile);
}

RECT DpiScale::ToDevice(const PixelRect& logical, PixelSize tile) const {
    const int left = ToDevice(logical.left, tile.width);
    const int top = ToDevice(logical.top, tile.height);
    return RECT{left, top, left + ToDevice(logical.width, tile.width), top + ToDevice(logical.height, tile.height)};
}

PixelRect DpiScale::ToLogical(const RECT& device) const {
    return PixelRect{ToLogical(device.left), ToLogical(device.top), ToLogical(device.right - device.left),
                     ToLogical(device.bottom - device.top)};
}

int SystemMetricAt(int index, const DpiScale& scale) {
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    const auto forDpi = SystemFunction<GetSystemMetricsForDpiFunction>(L"user32.dll", "GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, static_cast<UINT>(scale.Dpi())) : GetSystemMetrics(index);
}

PixelSize LogicalFrame(DWORD style, DWORD exStyle) {
    using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto forDpi = SystemFunction<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{0, 0, 0, 0};
    if (forDpi) {
        forDpi(&rect, style, FALSE, exStyle, kLogicalDpi);
        return PixelSize{rect.right - rect.left, rect.bottom - rect.top};
    }
    // The frame as the system draws it at its own DPI.
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    const PixelRect logical = DpiScale(DpiOf(nullptr)).ToLogical(rect);
    return PixelSize{logical.width, logical.height};
}

int DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    const auto forWindow = SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (window && forWindow) {
        if (const UINT dpi = forWindow(window)) {
            return static_cast<int>(dpi);
        }
    }
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    if (const auto forMonitor = SystemFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor")) {
        const HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                                        : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        UINT dpiX = 0;
        UINT dpiY = 0;
        // 0: the effective DPI, the one the user chose for that display.
        if (SUCCEEDED(forMonitor(monitor, 0, &dpiX, &dpiY)) && dpiX > 0) {
            return static_cast<int>(dpiX);
        }
    }
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

}  // namespace startart::win32
