// A program whose window faults in its first paint, which Windows calls from
// the kernel through UpdateWindow: the case that a 32-bit program's fault is
// swallowed in and leaves a black window. It takes the menu's fault report.
#include <windows.h>

#include "runtime/fault_report.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        // volatile: the compiler may not drop the write through null.
        *static_cast<volatile int*>(nullptr) = 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    startart::win32::ReportFaultsAsRuntimeErrors();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"FaultingWindow";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"FaultingWindow", L"Fehler im Zeichnen", WS_OVERLAPPEDWINDOW, 40, 40, 300,
                                        200, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
