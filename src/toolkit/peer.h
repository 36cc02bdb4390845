// The platform's side of a control. The toolkit model holds every property;
// a peer shows them. When a property changes the model calls Update, and the
// peer reads the new value from its control.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/geometry.h"

namespace startart {

enum class Property {
    kBounds,
    kVisible,
    kEnabled,
    kCaption,
    kFont,
    kForeColor,
    kBackColor,
    kPicture,
    kStretch,
    kIcon,
};

// An opaque device context handle, as a picture box's hDC property gives it.
using DeviceContext = std::uintptr_t;

class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void Update(Property changed) = 0;
};

// A picture box with a persistent drawing surface: text printed on it stays
// until Cls, and the surface is shown whenever the box is painted.
class PictureBoxPeer : public ControlPeer {
  public:
    // Clears all text drawn on the surface; the picture stays.
    virtual void Cls() = 0;
    // Draws text with its top-left corner at the given point of the surface,
    // transparently, in the box's font and fore colour.
    virtual void Print(const std::string& text, PixelPoint at) = 0;
    virtual DeviceContext hDC() = 0;
};

class FormPeer : public ControlPeer {
  public:
    // Makes the window the active one.
    virtual void Activate() = 0;
    // Tells a screen reader that the keyboard moved the focus to the item
    // of the form's accessible items with this index.
    virtual void AccessibleFocusMoved(int item) = 0;
};

}  // namespace startart
