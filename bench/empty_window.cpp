// The yardstick for the menu's start-up: the least a Win32 program does to
// show a window, one empty window painted with its class brush, running until
// it is closed.
#include <windows.h>

#include "handles.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // The window itself goes with its owner in wWinMain.
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"EmptyWindow";
    if (!RegisterClassW(&windowClass)) {
        return 1;
    }
    const startart::win32::UniqueWindow window(CreateWindowW(L"EmptyWindow", L"Empty window", WS_OVERLAPPEDWINDOW,
                                                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                                             nullptr, nullptr, instance, nullptr));
    if (!window) {
        return 1;
    }
    ShowWindow(window.get(), show);
    UpdateWindow(window.get());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
