// The peer of a picture box: a child window without a border (a frame must
// not take space from its inside) that shows a persistent surface in memory.
// The surface holds the back colour, the picture at its natural size at the
// top left, and the text printed since the last Cls; painting only copies it
// to the screen, and erasing the background does nothing, so nothing
// flickers. Cls restores only the area that text was drawn on.
// Needs: user32, gdi32.
#pragma once

#include "handles.h"
#include "surface.h"
#include "toolkit/control.h"
#include "toolkit/peer.h"
#include "toolkit/pixel_image.h"
#include "window.h"

namespace startart::win32 {

class PictureBoxWindow : public PictureBoxPeer, public Window {
  public:
    PictureBoxWindow(Platform& platform, ATOM windowClass, PictureBox& box, HWND parent);

    void Update(Property changed) override;
    void Cls() override;
    void Print(const std::string& text, PixelPoint at) override;
    DeviceContext hDC() override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Move();
    // Back colour and picture, on a surface of the box's size.
    void RebuildBackdrop();
    void RestoreBackdrop(const RECT& area);
    void ApplyFont();
    void OnPaint();
    void OnButtonUp(LPARAM lParam);

    PictureBox& box_;
    UniqueFont font_;
    Surface surface_;
    // What Cls brings back: the surface without any text.
    PixelImage backdrop_;
    // Where text was drawn since the backdrop was last restored.
    RECT dirty_{};
    bool pressed_ = false;
};

}  // namespace startart::win32
