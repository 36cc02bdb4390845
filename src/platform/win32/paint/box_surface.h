// The surface of a picture box: its backdrop and the text printed on it. The
// backdrop goes onto the surface only where it is first shown or drawn on:
// fifteen faces of a whole button picture each show a button's worth of it.
// Clearing brings the backdrop back only where text was drawn. Text is
// placed and sized at the backdrop's scale.
// Needs: gdi32.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "paint/backdrop_cache.h"
#include "paint/surface.h"
#include "toolkit/font.h"
#include "toolkit/print_log.h"

namespace startart::win32 {

class BoxSurface {
  public:
    // The context whose settings the box's text takes: the character spacing
    // set on it is logical, and scaled only while text is drawn.
    HDC Dc() const { return surface_.Dc(); }

    // Whether the surface stands on a backdrop of this look.
    bool Shows(const BackdropLook& look) const { return backdrop_ && backdrop_->look == look; }
    // Whether it stands on a backdrop of this look at another scale.
    bool ShowsAtAnotherScale(const BackdropLook& look) const;
    // A new backdrop: the surface takes its size and loses all text.
    void SetBackdrop(std::shared_ptr<const CachedBackdrop> backdrop);

    // Draws a line of text at the backdrop's scale and returns the area it
    // may have changed.
    RECT DrawText(const PrintedText& printed);
    // Brings the backdrop back where text was drawn and returns that area.
    RECT ClearText();
    // Puts the backdrop where the area has none yet.
    void Prepare(const RECT& area);
    // Copies an area of the surface to a point of a canvas.
    void CopyTo(HDC canvas, POINT to, const RECT& area);

  private:
    // The font of the text drawn from now on; made only when it changes.
    void UseFont(const Font& font);
    void RestoreBackdrop(const RECT& area);

    Surface surface_;
    std::shared_ptr<const CachedBackdrop> backdrop_;
    // At the backdrop's scale.
    std::optional<Font> font_;
    // The part of the surface that holds the backdrop and what was drawn on
    // it; elsewhere its pixels are undefined.
    RECT ready_{};
    // Where text was drawn since the backdrop was last brought back there.
    RECT dirty_{};
};

}  // namespace startart::win32
