#include "menu/window_size.h"

namespace startart {

Int16 MainWindowHeight(const MenuSettings& settings, Single twipsPerPixelY) {
    const Int16 g = Mul16(Add16(settings.anzahl, 1), settings.abstand);
    // Single precision, in exactly this order: the rounding of each step is
    // part of the result.
    const Single height =
        ((static_cast<Single>(settings.hoehe) * twipsPerPixelY) * static_cast<Single>(settings.anzahl)) +
        static_cast<Single>(g) + kFrameHeight;
    const Int16 windowHeight = ToInt16(height);
    return windowHeight < kMinimumWindowHeight ? kMinimumWindowHeight : windowHeight;
}

Single MainWindowWidth(Single heightTwips) {
    return static_cast<Single>((1 / 0.75) * heightTwips);
}

Single TitlePictureWidth(Single windowWidthTwips, const MenuSettings& settings, Single twipsPerPixelX) {
    return windowWidthTwips - (static_cast<Single>(settings.breite) * twipsPerPixelX + kColumnMargin);
}

Single TitlePictureHeight(Single windowHeightTwips) {
    return windowHeightTwips - kFrameHeight;
}

MainWindowPixels PlanMainWindow(const MenuSettings& settings, const Screen& screen) {
    MainWindowPixels plan;
    plan.height = screen.ToPixelsY(MainWindowHeight(settings, screen.TwipsPerPixelY()));
    const Single heldHeight = screen.ToTwipsY(plan.height);
    plan.width = screen.ToPixelsX(MainWindowWidth(heldHeight));
    const Single heldWidth = screen.ToTwipsX(plan.width);
    plan.titleWidth = screen.ToPixelsX(TitlePictureWidth(heldWidth, settings, screen.TwipsPerPixelX()));
    plan.titleHeight = screen.ToPixelsY(TitlePictureHeight(heldHeight));
    return plan;
}

}  // namespace startart
