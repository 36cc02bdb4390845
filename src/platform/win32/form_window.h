// The peer of a form: a top-level window with a fixed frame. It paints the
// controls that have no window of their own (picture boxes, the image, the
// labels) into one back buffer of its client area, only where something
// changed, and copies only what is invalid of it to the screen. It routes
// the pointer to the control under it, holding the control a button was
// pressed on until the button is released, runs the form's timers, and turns
// closing and activation into the form's events. Command buttons are child
// windows that lie above everything it paints.
// Needs: user32, gdi32.
#pragma once

#include <vector>

#include "handles.h"
#include "surface.h"
#include "toolkit/form.h"
#include "toolkit/peer.h"
#include "window.h"

namespace startart::win32 {

class Win32Platform;

// The window styles of a frame; the frame size and the real window agree by
// using these for both.
struct FrameStyles {
    DWORD style;
    DWORD exStyle;
};
FrameStyles StylesOf(FormBorderStyle border);

class FormWindow : public FormPeer, public Window {
  public:
    FormWindow(Win32Platform& platform, ATOM windowClass, Form& form);

    void Update(Property changed) override;
    void Activate() override;

    Form& GetForm() const { return form_; }
    // Timers tick through the form's window.
    void StartTimer(Timer& timer, UINT interval);
    void StopTimer(Timer& timer);
    // Repaints part of the client area, where a control it paints was or is.
    void InvalidateArea(const RECT& area);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ApplyIcon();
    // Paints what changed in the back buffer, then copies it to the screen.
    void OnPaint();
    void PaintStaleArea();
    void OnActivate(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    void OnButtonDown(LPARAM lParam);
    void OnButtonUp(LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnTimer(WPARAM id);
    // The control a click or move at this client point goes to.
    Control& TargetAt(LPARAM lParam) const;
    // The first enabled, visible tab stop by tab index, or null.
    HWND FirstTabStop() const;

    Win32Platform& platform_;
    Form& form_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    std::vector<Timer*> timers_;
    Surface backBuffer_;
    // Where the back buffer no longer shows what the controls show.
    UniqueRegion stale_;
    // The control the left button went down on, until it goes up again.
    Control* pressed_ = nullptr;
    // The child that had the focus when the window was last deactivated.
    HWND focus_ = nullptr;
};

}  // namespace startart::win32
