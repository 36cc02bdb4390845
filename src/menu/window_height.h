// The main window's height, from the number and height of the buttons: room
// for every button and the gaps around them, at least 7200 twips.
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

}  // namespace startart
