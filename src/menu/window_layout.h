// The main window's layout, every rectangle of it in pixels of the screen's
// twips: the window's height gives room for every button and the gaps around
// them, at least kMinimumWindowHeight, and its width is four thirds of the
// height the window takes; the window stands centred on the screen. The title
// picture fills the window left of the button column, which starts
// kColumnGap to its right; the first frame stands abstand from the top, every
// further one its height and abstand below the one before. Start-up applies
// it, the authoring tool's check reads it, and the tests and the demo medium
// follow it.
#pragma once

#include <vector>

#include "basic/int16.h"
#include "config/settings.h"
#include "toolkit/geometry.h"
#include "toolkit/screen.h"

namespace startart {

inline constexpr Int16 kMinimumWindowHeight = 7200;
// What the window's frame takes from its height.
inline constexpr Single kFrameHeight = 345;
// What the window's frame and the gap to the button column take from the
// title picture's width.
inline constexpr Single kColumnMargin = 225;
// Between the title picture and the button column.
inline constexpr Single kColumnGap = 75;

// In twips, of the outer window as planned. Raises the overflow error when
// the gaps or the height leave the 16-bit range.
Int16 MainWindowHeight(const MenuSettings& settings, Single twipsPerPixelY);

struct MainWindowLayout {
    // The outer window on the screen.
    PixelRect window;
    // The title picture, in the client area.
    PixelRect title;
    // The frames of the buttons laid out, button 0 always, in the client area.
    std::vector<PixelRect> frames;
    // Where every face stands in its frame while its design's normal cell
    // shows through it.
    PixelPoint face;

    bool operator==(const MainWindowLayout&) const = default;
};

// The window laid out in the outer size it holds, in twips.
MainWindowLayout LayOutHeldWindow(const MenuSettings& settings, const Screen& screen, Single width, Single height);

// The window as start-up lays it out on the screen. `takeHeight` and
// `takeWidth` ask the window for an outer height or width in twips and give
// back the one it holds: a small screen may hold the window smaller than
// asked for, and where it holds it narrower than four thirds of its height,
// the height follows the width it holds, so that the window keeps its shape.
// Raises the overflow error where the settings leave the 16-bit range.
template <class TakeHeight, class TakeWidth>
MainWindowLayout LayOutMainWindow(const MenuSettings& settings,
                                  const Screen& screen,
                                  TakeHeight takeHeight,
                                  TakeWidth takeWidth) {
    Single height = takeHeight(MainWindowHeight(settings, screen.TwipsPerPixelY()));
    // Four thirds of the height as the window holds it, not as planned.
    const Single width = static_cast<Single>((1 / 0.75) * height);
    const Single heldWidth = takeWidth(width);
    if (screen.ToPixelsX(heldWidth) < screen.ToPixelsX(width)) {
        height = takeHeight(heldWidth * 0.75f);
    }
    return LayOutHeldWindow(settings, screen, heldWidth, height);
}

// The same where the window holds whatever it is asked for: the authoring
// tool's view of a medium before the menu runs.
MainWindowLayout PlanMainWindow(const MenuSettings& settings, const Screen& screen);

}  // namespace startart
