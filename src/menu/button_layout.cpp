// The button column: button 0 from the settings, every further button from
// its predecessor, all faces sharing the one button picture.
#include "menu/button_cell.h"
#include "menu/main_window.h"
#include "toolkit/platform.h"

namespace startart {

void MainWindow::LayoutButtons() {
    Platform& platform = GetPlatform();
    const Single tX = GetScreen().TwipsPerPixelX();
    const Single tY = GetScreen().TwipsPerPixelY();
    const OleColor labelColour =
        Rgb(settings.schriftfarbe.rot, settings.schriftfarbe.gruen, settings.schriftfarbe.blau);

    PictureBox& frame0 = Picture2(0);
    PictureBox& face0 = Picture1(0);
    if (Entry(0).button.empty()) {
        frame0.SetVisible(false);
    }
    frame0.SetHeight(static_cast<Single>(settings.hoehe) * tY);
    frame0.SetWidth(static_cast<Single>(settings.breite) * tX);
    frame0.SetTop(settings.abstand);
    frame0.SetLeft(Image1.Width() + 75);
    face0.SetAutoRedraw(true);
    face0.SetAutoSize(true);
    face0.SetPicture(platform.LoadPicture(settings.pfad + settings.bild));
    face0.SetFontName(settings.art);
    face0.SetFontSize(settings.groesse);
    face0.SetFontBold(settings.fett);
    face0.SetForeColor(labelColour);
    // Read after AutoRedraw is on: the persistent surface's device context,
    // which is where the labels are printed.
    platform.SetTextCharacterExtra(face0.hDC(), settings.laufweite);
    // The face shows the normal cell of the design through its frame.
    face0.SetTop(NormalFaceTop());
    const Int16 column = ToInt16(CellsOfDesign(settings.style).column);
    face0.SetLeft(static_cast<Single>(Neg16(Mul16(column, settings.breite))) * tX);

    const Int16 last = Sub16(settings.anzahl, 1);
    for (int i = 1; i <= last; ++i) {
        PictureBox& frame = Picture2(i);
        PictureBox& face = Picture1(i);
        if (Entry(i).button.empty()) {
            frame.SetVisible(false);
        }
        const PictureBox& previousFrame = Picture2(i - 1);
        const PictureBox& previousFace = Picture1(i - 1);
        frame.SetHeight(previousFrame.Height());
        frame.SetWidth(previousFrame.Width());
        // A hidden frame keeps its place: the buttons after it do not move up.
        frame.SetTop(previousFrame.Top() + frame.Height() + settings.abstand);
        frame.SetLeft(previousFrame.Left());
        face.SetAutoRedraw(previousFace.AutoRedraw());
        face.SetAutoSize(previousFace.AutoSize());
        face.SetTop(previousFace.Top());
        face.SetLeft(previousFace.Left());
        face.SetPicture(previousFace.GetPicture());
        face.SetFontName(settings.art);
        face.SetFontSize(settings.groesse);
        face.SetFontBold(settings.fett);
        face.SetForeColor(previousFace.ForeColor());
        platform.SetTextCharacterExtra(face.hDC(), settings.laufweite);
    }
}

Single MainWindow::NormalFaceTop() const {
    const Int16 row = ToInt16(CellsOfDesign(settings.style).normalRow);
    return static_cast<Single>(Mul16(Neg16(row), settings.hoehe)) * GetScreen().TwipsPerPixelY();
}

}  // namespace startart
