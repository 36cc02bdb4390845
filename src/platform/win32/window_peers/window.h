// Base of the platform's own window class, the forms' windows. It keeps
// `this` in the window from WM_NCCREATE on, hands every message to OnMessage
// and lets no exception out of the window procedure: one from the platform's
// own code is the program's run-time error, reported and ended through the
// event barrier like one from a handler. Events for the core go through the
// barrier, and none goes once the window is being destroyed, so a peer that
// is going away never calls into its control.
// Needs: <windows.h>, the platform's event barrier.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "handles.h"

namespace startart {
class Control;
}  // namespace startart

namespace startart::win32 {

class Win32Platform;

// Anything the platform shows as a real window: forms and command buttons.
class HasWindow {
  public:
    virtual HWND Handle() const = 0;

  protected:
    ~HasWindow() = default;
};

class Window : public HasWindow {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const override { return window_.get(); }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static ATOM RegisterWindowClass(HINSTANCE instance, const wchar_t* name);

  protected:
    explicit Window(Win32Platform& platform) : platform_(platform) {}
    virtual ~Window();

    void Create(DWORD exStyle, ATOM windowClass, const std::wstring& text, DWORD style, const RECT& rect, HWND parent);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs core code for an event inside the event barrier, then shows what
    // it changed (DeferredSync), inside the barrier too. The peer may be gone
    // when this returns (a window can be unloaded from its own event).
    void Raise(const std::function<void()>& handler);
    Win32Platform& GetPlatform() const { return platform_; }

  private:
    Win32Platform& platform_;
    UniqueWindow window_;
    bool destroying_ = false;
};

// The window that a peer of a control shows, or null for a windowless one.
HWND WindowOf(const Control* control);

}  // namespace startart::win32
