// The peer of a picture box: a child window without a border (a frame must
// not take space from its inside) that shows a persistent surface in memory.
// The surface holds the back colour, the picture at its natural size at the
// top left, and the text printed since the last Cls; painting only copies it
// to the screen, and erasing the background does nothing, so nothing
// flickers. Cls restores only the area that text was drawn on.
// Changes are not painted one by one: once the handler that made them has
// returned, the areas they touched are compared with what the screen was
// last given, and only what differs is repainted. A handler that clears and
// relabels every button thus repaints just the two whose look changed. The
// window, too, moves once a handler is done, not with each of the four
// properties of its place.
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
    // Puts the window where the box is now.
    void Move();
    // Back colour and picture, on a surface of the box's size.
    void RebuildBackdrop();
    void RestoreBackdrop(const RECT& area);
    void ApplyFont();
    // Notes an area of the surface that may have changed, for the Sync.
    void Touch(const RECT& area);
    // Invalidates the part of the touched area that differs from the screen.
    void Sync() override;
    // Notes that the screen shows, or is about to show, an area of the surface.
    void RememberShown(const RECT& area);
    void OnPaint();
    void OnButtonUp(LPARAM lParam);

    PictureBox& box_;
    UniqueFont font_;
    Surface surface_;
    // What Cls brings back: the surface without any text.
    PixelImage backdrop_;
    // Where text was drawn since the backdrop was last restored.
    RECT dirty_{};
    // The surface as the screen was last given it, or is about to be given it
    // by a pending paint, and where the surface may differ from it since.
    PixelImage shown_;
    RECT touched_{};
    // The box has moved since the window was last put in its place.
    bool moved_ = false;
    bool pressed_ = false;
};

}  // namespace startart::win32
