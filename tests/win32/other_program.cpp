// Another program with a window of its own: it takes the activation when
// its window shows, as an installer or a browser started from the menu
// does, and ends when its window is closed or after half a minute.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"OtherProgram";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"OtherProgram", L"Anderes Programm", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                        40, 300, 200, nullptr, nullptr, instance, nullptr);
    SetForegroundWindow(window);
    SetTimer(window, 1, 30000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) {
            DestroyWindow(window);
        }
        DispatchMessageW(&message);
    }
    return 0;
}
