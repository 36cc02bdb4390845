// The floor of the menu's start-up: the least a program does to show what the
// menu shows. It decodes the medium's pictures with WIC, as the menu does,
// and paints them in one window of the menu's frame and size: the title
// picture stretched smoothly over the left part, the button picture beside
// it; the icon becomes the window's icon. It runs until it is closed.
//
//   picture-window WIDTH HEIGHT TITLE BUTTONS ICON
//
// WIDTH x HEIGHT is the client area; the three pictures are file names.
#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <cstdlib>
#include <cwchar>

#include "handles.h"

namespace {

using startart::win32::ComApartment;
using startart::win32::ComPtr;
using startart::win32::PaintDc;
using startart::win32::Selection;
using startart::win32::UniqueBitmap;
using startart::win32::UniqueDc;
using startart::win32::UniqueIcon;

struct Bitmap {
    UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
};

// A picture file as a 32-bit premultiplied DIB section, or an empty one.
Bitmap Decode(IWICImagingFactory& factory, const wchar_t* path) {
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(factory.CreateDecoderFromFilename(path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                 decoder.Put())) ||
        FAILED(decoder->GetFrame(0, frame.Put())) || FAILED(factory.CreateFormatConverter(converter.Put())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return {};
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap{UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)),
                  static_cast<int>(width), static_cast<int>(height)};
    if (!bitmap.bitmap ||
        FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(bits)))) {
        return {};
    }
    return bitmap;
}

UniqueIcon IconOf(const Bitmap& picture) {
    if (!picture.bitmap) {
        return UniqueIcon();
    }
    const UniqueBitmap mask(CreateBitmap(picture.width, picture.height, 1, 1, nullptr));
    ICONINFO info{TRUE, 0, 0, mask.get(), picture.bitmap.get()};
    return UniqueIcon(CreateIconIndirect(&info));
}

struct Pictures {
    Bitmap title;
    Bitmap buttons;
};

void Paint(HWND window, const Pictures& pictures) {
    const PaintDc paint(window);
    const HDC dc = paint.get();
    RECT client;
    GetClientRect(window, &client);
    const int column = client.right - pictures.buttons.width / 5;
    const UniqueDc memory(CreateCompatibleDC(dc));
    if (pictures.title.bitmap) {
        const Selection selected(memory.get(), pictures.title.bitmap.get());
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, column, client.bottom, memory.get(), 0, 0, pictures.title.width, pictures.title.height,
                   SRCCOPY);
    }
    if (pictures.buttons.bitmap) {
        const Selection selected(memory.get(), pictures.buttons.bitmap.get());
        BitBlt(dc, column, 0, client.right - column, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(window, *reinterpret_cast<const Pictures*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE:
            // The window itself goes with its owner in wWinMain.
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    if (__argc != 6) {
        return 2;
    }
    const int width = static_cast<int>(std::wcstol(__wargv[1], nullptr, 10));
    const int height = static_cast<int>(std::wcstol(__wargv[2], nullptr, 10));

    const ComApartment com;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.Put())))) {
        return 1;
    }
    const Pictures pictures{Decode(*factory.Get(), __wargv[3]), Decode(*factory.Get(), __wargv[4])};
    const UniqueIcon icon = IconOf(Decode(*factory.Get(), __wargv[5]));

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"PictureWindow";
    if (!RegisterClassW(&windowClass)) {
        return 1;
    }
    // The menu's frame: a fixed dialog frame, centred on the screen.
    constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_APPWINDOW;
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    const startart::win32::UniqueWindow window(CreateWindowExW(
        kExStyle, L"PictureWindow", L"Picture window", kStyle, (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2,
        (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2, outerWidth, outerHeight, nullptr, nullptr, instance,
        nullptr));
    if (!window) {
        return 1;
    }
    SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&pictures));
    SendMessageW(window.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
    SendMessageW(window.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
    ShowWindow(window.get(), show);
    UpdateWindow(window.get());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
