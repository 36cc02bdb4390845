// A font as the toolkit stores it: face name, size in points and weight. The
// character set is always ANSI, and italic, underline and strike-through are
// never used.
#pragma once

#include <string>

#include "basic/int16.h"

namespace startart {

struct Font {
    std::string name;
    Single size = 8.25f;
    bool bold = false;

    bool operator==(const Font&) const = default;
};

// The font of a window that stores none.
inline Font DefaultDialogFont() {
    return Font{"MS Sans Serif", 8.25f, false};
}

}  // namespace startart
