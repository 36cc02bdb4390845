#include "menu/window_layout.h"

#include "menu/button_cell.h"

namespace startart {
namespace {

// The frames of the column: the first abstand from the top, kColumnGap right
// of the title picture; each further one derived from the one before, as the
// window holds it, so that a hidden frame keeps its place.
std::vector<PixelRect> ColumnFrames(const MenuSettings& settings, const Screen& screen, const PixelRect& title) {
    const int width = screen.ToPixelsX(static_cast<Single>(settings.breite) * screen.TwipsPerPixelX());
    const int height = screen.ToPixelsY(static_cast<Single>(settings.hoehe) * screen.TwipsPerPixelY());
    const int left = screen.ToPixelsX(screen.ToTwipsX(title.width) + kColumnGap);
    std::vector<PixelRect> frames{PixelRect{left, screen.ToPixelsY(settings.abstand), width, height}};
    const Int16 last = Sub16(settings.anzahl, 1);
    for (int i = 1; i <= last; ++i) {
        const Single top = screen.ToTwipsY(frames.back().top) + screen.ToTwipsY(height) + settings.abstand;
        frames.push_back(PixelRect{left, screen.ToPixelsY(top), width, height});
    }
    return frames;
}

// The design's normal cell moved into the frame: its row up, its column
// left, in 16-bit pixel arithmetic.
PixelPoint NormalFace(const MenuSettings& settings, const Screen& screen) {
    const DesignCells cells = CellsOfDesign(settings.style);
    const Int16 top = Mul16(Neg16(ToInt16(cells.normalRow)), settings.hoehe);
    const Int16 left = Neg16(Mul16(ToInt16(cells.column), settings.breite));
    return PixelPoint{screen.ToPixelsX(static_cast<Single>(left) * screen.TwipsPerPixelX()),
                      screen.ToPixelsY(static_cast<Single>(top) * screen.TwipsPerPixelY())};
}

}  // namespace

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

MainWindowLayout LayOutHeldWindow(const MenuSettings& settings, const Screen& screen, Single width, Single height) {
    MainWindowLayout layout;
    layout.window =
        PixelRect{screen.ToPixelsX((screen.Width() - width) / 2), screen.ToPixelsY((screen.Height() - height) / 2),
                  screen.ToPixelsX(width), screen.ToPixelsY(height)};
    const Single titleWidth = width - (static_cast<Single>(settings.breite) * screen.TwipsPerPixelX() + kColumnMargin);
    layout.title = PixelRect{0, 0, screen.ToPixelsX(titleWidth), screen.ToPixelsY(height - kFrameHeight)};
    layout.frames = ColumnFrames(settings, screen, layout.title);
    layout.face = NormalFace(settings, screen);
    return layout;
}

MainWindowLayout PlanMainWindow(const MenuSettings& settings, const Screen& screen) {
    const auto heldHeight = [&screen](Single twips) { return screen.ToTwipsY(screen.ToPixelsY(twips)); };
    const auto heldWidth = [&screen](Single twips) { return screen.ToTwipsX(screen.ToPixelsX(twips)); };
    return LayOutMainWindow(settings, screen, heldHeight, heldWidth);
}

}  // namespace startart
