// The peer of a picture box: no window of its own, but a persistent surface
// in memory that its form paints into the form's back buffer. The surface
// holds the back colour, the picture at its natural size at the top left,
// and the text printed since the last Cls. Cls restores only the area that
// text was drawn on. A box shows only inside its container, and a frame must
// not take space from its inside, so the boxes have no border.
// What a box needs is made when it is first needed, not with each property
// a handler sets: a box that shows nothing but its back colour (a frame) has
// no surface, the font is made when text is drawn, and boxes that show one
// picture on one colour at one size (the faces) share one backdrop.
// A Cls that the same Print follows, as a repaint of every button brings to
// the buttons whose look stays, leaves the surface as it is.
// Changes are not shown one by one: once the handler that made them has
// returned, the areas they touched are repainted where the box shows. A
// handler that clears and relabels every button thus repaints just the two
// whose look changed. A box that moved repaints where it showed before and
// where it shows now, once.
// Needs: user32, gdi32.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "deferred_sync.h"
#include "form_painted.h"
#include "handles.h"
#include "surface.h"
#include "toolkit/control.h"
#include "toolkit/peer.h"
#include "toolkit/pixel_image.h"

namespace startart::win32 {

class FormWindow;

class WindowlessPictureBox : public PictureBoxPeer, public FormPainted, private DeferredSync {
  public:
    WindowlessPictureBox(FormWindow& form, PictureBox& box);
    ~WindowlessPictureBox() override;

    void Update(Property changed) override;
    void Cls() override;
    void Print(const std::string& text, PixelPoint at) override;
    DeviceContext hDC() override;
    void Paint(HDC canvas, const RECT& area) override;

  private:
    bool HasSurface() const { return surface_ || !box_.GetPicture().Empty(); }
    // The surface, made when first needed, with the backdrop and the font as
    // they are now.
    Surface& Canvas();
    // Back colour and picture, on a surface of the box's size.
    void RebuildBackdrop();
    void RestoreBackdrop(const RECT& area);
    // Makes the surface ready in an area: the backdrop goes where it has not
    // been put since the backdrop was made.
    void Prepare(const RECT& area);
    // Carries out a Cls that no identical Print has cancelled.
    void FlushCls();
    // Notes an area of the surface that may have changed, for the Sync.
    void Touch(const RECT& area);
    // Repaints where the box has moved from and to, and the touched area.
    void Sync() override;

    FormWindow& form_;
    PictureBox& box_;
    std::optional<Surface> surface_;
    // What Cls brings back: the surface without any text.
    std::shared_ptr<const PixelImage> backdrop_;
    // The back colour, the picture or the size changed since the backdrop
    // was made, or the font since it was made.
    bool backdropStale_ = true;
    bool fontStale_ = true;
    // Where text was drawn since the backdrop was last restored, and what.
    RECT dirty_{};
    struct Printed {
        std::wstring text;
        PixelPoint at;
        COLORREF color;
        int font;
        bool operator==(const Printed&) const = default;
    };
    std::vector<Printed> printed_;
    // A Cls asked for and not carried out yet.
    bool clsPending_ = false;
    // Counts the fonts the box has had, so that a Print in another font is
    // never taken for the same one.
    int fontGeneration_ = 0;
    // The part of the surface that holds the backdrop and what was drawn on
    // it; elsewhere its pixels are undefined.
    RECT ready_{};
    // Where the surface may have changed since the screen was last told.
    RECT touched_{};
    // Where the box lay on the form's client area, and the part of that which
    // showed, when the screen was last told.
    RECT placed_{};
    RECT shownArea_{};
};

}  // namespace startart::win32
