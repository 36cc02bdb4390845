// The main window's size: its height from the number and height of the
// buttons, room for every button and the gaps around them, at least 7200
// twips; its width four thirds of that. The title picture fills the window
// left of the button column.
#pragma once

#include "basic/int16.h"
#include "config/settings.h"
#include "toolkit/screen.h"

namespace startart {

inline constexpr Int16 kMinimumWindowHeight = 7200;
// What the window's frame takes from its height.
inline constexpr Single kFrameHeight = 345;

// In twips, of the outer window. Raises the overflow error when the gaps or
// the height leave the 16-bit range.
Int16 MainWindowHeight(const MenuSettings& settings, Single twipsPerPixelY);

// In twips, of the outer window, from the height the window holds.
Single MainWindowWidth(Single heightTwips);

// What the window's frame and the gap to the button column take from the
// title picture's width.
inline constexpr Single kColumnMargin = 225;

// In twips, from the outer size the window holds.
Single TitlePictureWidth(Single windowWidthTwips, const MenuSettings& settings, Single twipsPerPixelX);
Single TitlePictureHeight(Single windowHeightTwips);

struct MainWindowPixels {
    int width = 0;
    int height = 0;
    int titleWidth = 0;
    int titleHeight = 0;

    bool operator==(const MainWindowPixels&) const = default;
};

// The window and its title picture in pixels as start-up sizes them on
// `screen`, where the window is held at the size asked for: the authoring
// tool's view of a medium before the menu runs. Raises the overflow error
// as MainWindowHeight does.
MainWindowPixels PlanMainWindow(const MenuSettings& settings, const Screen& screen);

}  // namespace startart
