// The peer of a form: a top-level window with a fixed frame. It paints the
// controls that have no window of their own (picture boxes, the image, the
// labels) into the back buffer of its client area, at the DPI of the display
// it is on: the form is laid out in logical pixels, the window and all in it
// are that layout scaled, and a move to a display of another DPI scales
// everything anew. Its size is held to the work area of its display. It routes
// the pointer to the control under it, holding the control a button was
// pressed on until the button is released, runs the form's timers, and turns
// closing and activation into the form's events. Command buttons are child
// windows that lie above everything it paints.
// Needs: user32, gdi32.
#pragma once

#include <optional>
#include <vector>

#include "access/accessible_form.h"
#include "dpi_scale.h"
#include "handles.h"
#include "paint/back_buffer.h"
#include "toolkit/form.h"
#include "toolkit/peer.h"
#include "window_peers/window.h"

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
    ~FormWindow() override;

    void Update(Property changed) override;
    void Activate() override;
    void AccessibleFocusMoved(int item) override;

    // Whether the dialog keys (Tab, Enter, Esc) belong to the system's dialog
    // handling: in a window with command buttons. Other windows take every
    // key themselves.
    bool HasDialogKeys() const { return hasDialogKeys_; }

    // The object WM_GETOBJECT hands a screen reader for the client area, made
    // on first use; null for a form with nothing to tell or without oleacc.
    IAccessible* AccessibleObject();

    Form& GetForm() const { return form_; }
    // Between the form's logical pixels and the window's device pixels.
    const DpiScale& Scale() const { return scale_; }
    // Timers tick through the form's window.
    void StartTimer(Timer& timer, UINT interval);
    void StopTimer(Timer& timer);
    // Repaints part of the client area, where a control it paints was or is.
    void InvalidateArea(const RECT& area);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Puts the window where the form is, scaled and held to its display.
    void Place();
    // Puts the window at a device rectangle and takes what it holds.
    void MoveTo(const RECT& rect);
    void InvalidateClientArea();
    // Takes the window's real outer rectangle into the form.
    void AcceptRealBounds();
    void ApplyIcon();
    // The size the window takes at another DPI, asked for before a move.
    LRESULT OnGetDpiScaledSize(WPARAM dpi, SIZE* size) const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnPaint();
    void OnActivate(WPARAM wParam);
    void OnMouseMove(LPARAM lParam);
    void OnButtonDown(LPARAM lParam);
    void OnButtonUp(LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(WPARAM key);
    // The form's accessible object for a screen reader that asks for the
    // client area; nullopt for anything else, or a form with nothing to tell.
    std::optional<LRESULT> OnGetObject(WPARAM wParam, LPARAM lParam);
    void OnTimer(WPARAM id);
    // The control a click or move at this client point goes to.
    Control& TargetAt(LPARAM lParam) const;
    // The first enabled, visible tab stop by tab index, or null.
    HWND FirstTabStop() const;

    Form& form_;
    DpiScale scale_;
    // Known from the definition: the message loop asks for every message.
    const bool hasDialogKeys_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    std::vector<Timer*> timers_;
    BackBuffer backBuffer_;
    // The control the left button went down on, until it goes up again.
    Control* pressed_ = nullptr;
    // The child that had the focus when the window was last deactivated.
    HWND focus_ = nullptr;
    ComPtr<AccessibleForm> accessible_;
};

}  // namespace startart::win32
