// The button column: every frame where the window's layout puts it, every
// face showing its design's normal cell, all faces sharing the one button
// picture.
#include "menu/main_window.h"
#include "toolkit/platform.h"

namespace startart {

void MainWindow::LayoutButtons(const MainWindowLayout& layout) {
    Platform& platform = GetPlatform();
    const Screen& screen = GetScreen();
    const MenuSettings& menu = settings.menu;
    const OleColor labelColour = Rgb(menu.schriftfarbe.rot, menu.schriftfarbe.gruen, menu.schriftfarbe.blau);
    normalFace_ = layout.face;
    for (int i = 0; i < static_cast<int>(layout.frames.size()); ++i) {
        PictureBox& frame = Picture2(i);
        PictureBox& face = Picture1(i);
        // A hidden frame keeps its place: the buttons after it do not move up.
        if (Entry(i).button.empty()) {
            frame.SetVisible(false);
        }
        const PixelRect& place = layout.frames[static_cast<std::size_t>(i)];
        frame.SetHeight(screen.ToTwipsY(place.height));
        frame.SetWidth(screen.ToTwipsX(place.width));
        frame.SetTop(screen.ToTwipsY(place.top));
        frame.SetLeft(screen.ToTwipsX(place.left));
        face.SetAutoRedraw(true);
        face.SetAutoSize(true);
        face.SetTop(screen.ToTwipsY(normalFace_.y));
        face.SetLeft(screen.ToTwipsX(normalFace_.x));
        // Loaded once; the other faces share it.
        face.SetPicture(i == 0 ? platform.LoadPicture(menu.pfad + menu.bild) : Picture1(0).GetPicture());
        face.SetFontName(menu.art);
        face.SetFontSize(menu.groesse);
        face.SetFontBold(menu.fett);
        face.SetForeColor(labelColour);
        // Read after AutoRedraw is on: the persistent surface's device
        // context, which is where the labels are printed.
        platform.SetTextCharacterExtra(face.hDC(), menu.laufweite);
    }
}

}  // namespace startart
