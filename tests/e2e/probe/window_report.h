// What the probe reports about the windows on the desktop, as a person
// would see them: captions, texts, places in screen pixels, and whether a
// window is shown, usable and in front.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "json.h"

namespace startart::e2e {

// Every top-level window of the processes whose program file has the name
// (any case), in the order of the desktop, front first.
void ReportTopLevelWindows(JsonWriter& out, std::wstring_view programName);

// Every window inside the window, nested ones included.
void ReportChildWindows(JsonWriter& out, HWND window);

// The middle of the window's close box, found by asking the window itself
// what lies under the points of its title bar.
std::optional<POINT> CloseBoxOf(HWND window);

}  // namespace startart::e2e
