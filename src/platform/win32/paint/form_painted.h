// What a form paints into its back buffer: the peers of the controls that
// have no window of their own.
// Needs: <windows.h>.
#pragma once

#include <windows.h>

namespace startart::win32 {

class FormPainted {
  public:
    // Paints the control where it lies on the form's client area; `area`,
    // which the canvas is clipped to and which lies inside the control's
    // shown area, is all that needs painting.
    virtual void Paint(HDC canvas, const RECT& area) = 0;
    // Whether Paint covers every pixel of the control's shown area, so that
    // nothing beneath it shows there.
    virtual bool Opaque() const = 0;

  protected:
    ~FormPainted() = default;
};

}  // namespace startart::win32
