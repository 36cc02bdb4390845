// The peer of a command button: a real BUTTON child window of the form, a tab
// stop with its own font, both at the form's scale. Its clicks reach the form as WM_COMMAND, which
// finds the button through ButtonOf.
// Needs: user32, gdi32.
#pragma once

#include "handles.h"
#include "toolkit/control.h"
#include "toolkit/peer.h"
#include "window_peers/window.h"

namespace startart::win32 {

class FormWindow;

class CommandButtonWindow : public ControlPeer, public HasWindow {
  public:
    CommandButtonWindow(CommandButton& button, const FormWindow& form);
    ~CommandButtonWindow() override;

    void Update(Property changed) override;
    HWND Handle() const override { return window_.get(); }

    // The button that a window of this kind shows, or null.
    static CommandButton* ButtonOf(HWND window);

  private:
    void ApplyFont();

    CommandButton& button_;
    const FormWindow& form_;
    UniqueFont font_;
    UniqueWindow window_;
};

}  // namespace startart::win32
