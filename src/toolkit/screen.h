// The screen: its size and the twips-per-pixel factors that convert between
// the toolkit's twips and the platform's pixels.
#pragma once

#include "basic/int16.h"

namespace startart {

struct ScreenMetrics {
    Single twipsPerPixelX = 15;
    Single twipsPerPixelY = 15;
    int widthPixels = 1024;
    int heightPixels = 768;
};

class Screen {
  public:
    explicit Screen(const ScreenMetrics& metrics) : metrics_(metrics) {}

    Single TwipsPerPixelX() const { return metrics_.twipsPerPixelX; }
    Single TwipsPerPixelY() const { return metrics_.twipsPerPixelY; }
    Single Width() const { return static_cast<Single>(metrics_.widthPixels) * metrics_.twipsPerPixelX; }
    Single Height() const { return static_cast<Single>(metrics_.heightPixels) * metrics_.twipsPerPixelY; }

    // A twips value set on a control lands on the nearest whole pixel
    // (halves to even) and reads back as pixels times the factor.
    int ToPixelsX(Single twips) const;
    int ToPixelsY(Single twips) const;
    Single ToTwipsX(int pixels) const { return static_cast<Single>(pixels) * metrics_.twipsPerPixelX; }
    Single ToTwipsY(int pixels) const { return static_cast<Single>(pixels) * metrics_.twipsPerPixelY; }

  private:
    ScreenMetrics metrics_;
};

}  // namespace startart
