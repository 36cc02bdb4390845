// Base of the platform's own window classes, forms and picture boxes. It
// keeps `this` in the window from WM_NCCREATE on, hands every message to
// OnMessage and lets no exception out of the window procedure. Events for the
// core go through the event barrier, and none goes once the window is being
// destroyed, so a peer that is going away never calls into its control.
// Needs: <windows.h>, the platform's event barrier.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "handles.h"
#include "toolkit/geometry.h"

namespace startart {
class Control;
class Platform;
}  // namespace startart

namespace startart::win32 {

// Anything the platform shows as a real window: forms, picture boxes,
// command buttons.
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
    // Lets every window that asked for it Sync now: before a form shows, so
    // that it shows complete.
    static void SyncWaiting();
    static ATOM RegisterWindowClass(HINSTANCE instance, const wchar_t* name);

  protected:
    explicit Window(Platform& platform) : platform_(platform) {}
    virtual ~Window();

    void Create(DWORD exStyle, ATOM windowClass, const std::wstring& text, DWORD style, PixelRect rect, HWND parent);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs core code for an event inside the event barrier, then lets every
    // window that asked for it Sync. The peer may be gone when this returns
    // (a window can be unloaded from its own event).
    void Raise(const std::function<void()>& handler);
    // Asks for Sync once the event handler that runs now, or else the next
    // one, has returned, or a form is about to show: what a handler changes
    // is shown as a whole, not step by step.
    void RequestSync();
    virtual void Sync() {}
    Platform& GetPlatform() const { return platform_; }

  private:
    Platform& platform_;
    UniqueWindow window_;
    bool destroying_ = false;
};

// The window that a peer of a control shows, or null for a windowless one.
HWND WindowOf(const Control* control);

}  // namespace startart::win32
