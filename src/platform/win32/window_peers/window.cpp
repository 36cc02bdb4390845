// The window procedure shared by the platform's own window classes.
// Needs: user32.
#include "window_peers/window.h"

#include <stdexcept>

#include "toolkit/control.h"
#include "win32_platform.h"
#include "window_peers/deferred_sync.h"

namespace startart::win32 {

Window::~Window() {
    destroying_ = true;
    window_.reset();
}

ATOM Window::RegisterWindowClass(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Double clicks arrive as their own message, so the second click of a
    // double click does not open a button's target a second time.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    const ATOM atom = RegisterClassExW(&windowClass);
    if (!atom) {
        throw std::runtime_error("RegisterClassExW failed");
    }
    return atom;
}

void Window::Create(DWORD exStyle,
                    ATOM windowClass,
                    const std::wstring& text,
                    DWORD style,
                    const RECT& rect,
                    HWND parent) {
    const HWND window = CreateWindowExW(exStyle, MAKEINTATOM(windowClass), text.c_str(), style, rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                        GetModuleHandleW(nullptr), this);
    if (!window) {
        throw std::runtime_error("CreateWindowExW failed");
    }
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->destroying_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // Destroyed with its parent: the peer must not destroy it again.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        // Thrown again inside the barrier, which reports it as it reports an
        // error of a handler: the exception is still the one being handled.
        self->platform_.Barrier().Run([] { throw; });
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

void Window::Raise(const std::function<void()>& handler) {
    // Taken first: the handler may unload the window, and this with it.
    EventBarrier& barrier = platform_.Barrier();
    if (!destroying_) {
        barrier.Run(handler);
    }
    SyncQueue& syncs = platform_.Syncs();
    barrier.Run([&syncs] { syncs.SyncWaiting(); });
}

HWND WindowOf(const Control* control) {
    const auto* shown = control ? dynamic_cast<const HasWindow*>(control->Peer()) : nullptr;
    return shown ? shown->Handle() : nullptr;
}

}  // namespace startart::win32
