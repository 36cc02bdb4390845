// The peer of a picture box: no window of its own, but a surface in memory
// that its form paints into the form's back buffer. A box shows only inside
// its container, and a frame must not take space from its inside, so the
// boxes have no border.
// The surface is made when first needed: a box that shows nothing but its
// back colour (a frame) has none.
// Changes are not shown one by one: once the handler that made them has
// returned, the areas they touched are repainted where the box shows. A
// handler that clears and relabels every button thus repaints just the two
// whose look changed. A box that moved repaints where it showed before and
// where it shows now, once.
// Needs: user32, gdi32.
#pragma once

#include <optional>
#include <string>

#include "paint/backdrop_cache.h"
#include "paint/box_surface.h"
#include "paint/form_painted.h"
#include "toolkit/control.h"
#include "toolkit/peer.h"
#include "toolkit/print_log.h"
#include "window_peers/deferred_sync.h"

namespace startart::win32 {

class FormWindow;

class WindowlessPictureBox : public PictureBoxPeer, public FormPainted, private DeferredSync {
  public:
    WindowlessPictureBox(FormWindow& form, PictureBox& box, SyncQueue& syncs, BackdropCache& backdrops);
    ~WindowlessPictureBox() override;

    void Update(Property changed) override;
    void Cls() override;
    void Print(const std::string& text, PixelPoint at) override;
    DeviceContext hDC() override;
    void Paint(HDC canvas, const RECT& area) override;
    bool Opaque() const override { return true; }

  private:
    bool HasSurface() const { return surface_ || !box_.GetPicture().Empty(); }
    // The surface, made when first needed, on the backdrop and with the font
    // that the box has now.
    BoxSurface& Canvas();
    // The canvas with a Cls carried out that no identical Print cancelled.
    BoxSurface& ShownCanvas();
    // Notes an area of the box that may look different, for the Sync.
    void Touch(const RECT& area);
    // Repaints where the box has moved from and to, and the touched area.
    void Sync() override;

    FormWindow& form_;
    PictureBox& box_;
    BackdropCache& backdrops_;
    std::optional<BoxSurface> surface_;
    PrintLog printed_;
    // Where the box may look different since the screen was last told.
    RECT touched_{};
    // Where the box lay on the form's client area, and the part of that which
    // showed, when the screen was last told.
    RECT placed_{};
    RECT shownArea_{};
};

}  // namespace startart::win32
