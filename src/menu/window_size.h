// The main window's size: its height from the number and height of the
// buttons, room for every button and the gaps around them, at least 7200
// twips; its width four thirds of that.
#pragma once

#include "basic/int16.h"
#include "config/settings.h"

namespace startart {

inline constexpr Int16 kMinimumWindowHeight = 7200;
// What the window's frame takes from its height.
inline constexpr Single kFrameHeight = 345;

// In twips, of the outer window. Raises the overflow error when the gaps or
// the height leave the 16-bit range.
Int16 MainWindowHeight(const MenuSettings& settings, Single twipsPerPixelY);

// In twips, of the outer window, from the height the window holds.
Single MainWindowWidth(Single heightTwips);

}  // namespace startart
