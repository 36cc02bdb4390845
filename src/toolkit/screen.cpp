#include "toolkit/screen.h"

#include <cmath>
#include <limits>

#include "basic/runtime_error.h"

namespace startart {
namespace {

int NearestPixel(double value) {
    // A window system holds positions as 32-bit numbers; a value beyond that
    // cannot be set on any control.
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<int>::max() / 2) {
        RaiseInvalidPropertyValue();
    }
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

int Screen::ToPixelsX(Single twips) const {
    return NearestPixel(static_cast<double>(twips) / metrics_.twipsPerPixelX);
}

int Screen::ToPixelsY(Single twips) const {
    return NearestPixel(static_cast<double>(twips) / metrics_.twipsPerPixelY);
}

}  // namespace startart
