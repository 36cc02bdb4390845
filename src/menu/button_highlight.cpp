// Highlighting under the pointer and clicks on the buttons. A repaint happens
// only when the highlighted index changes: pointer moves arrive at a high rate
// and must not redraw the column each time.
#include "basic/program_end.h"
#include "launch/launch_target.h"
#include "menu/button_cell.h"
#include "menu/main_window.h"

namespace startart {

void MainWindow::RedrawButtons(Int16 highlight) {
    if (!highlight_.Pending()) {
        return;
    }
    const MenuSettings& menu = settings.menu;
    const Single tY = GetScreen().TwipsPerPixelY();
    const DesignCells cells = CellsOfDesign(menu.style);
    const Int16 last = Sub16(menu.anzahl, 1);
    for (int i = 0; i <= last; ++i) {
        PictureBox& face = Picture1(i);
        PictureBox& frame = Picture2(i);
        face.SetTop(GetScreen().ToTwipsY(normalFace_.y));
        const bool highlighted = i == highlight;
        if (highlighted) {
            // Moved on from the normal cell in twips rather than 16-bit
            // pixels: a tall cell must not overflow here.
            const int rowsFurther = cells.highlightedRow - cells.normalRow;
            face.SetTop(face.Top() - static_cast<Single>(rowsFurther * menu.hoehe) * tY);
        }
        face.Cls();
        // A point of the frame in the face's own coordinates: the label starts
        // randabstand right of the frame's edge and sits about half a text
        // height above its middle, whichever cell shows.
        face.SetCurrentX(static_cast<Single>(menu.randabstand) - face.Left());
        face.SetCurrentY(
            static_cast<Single>(static_cast<double>(frame.ScaleHeight() / 2 - face.Top()) - (menu.groesse / 1.3) * tY));
        face.Print(highlighted ? Entry(i).buttonb : Entry(i).button);
    }
    highlight_.Painted(highlight >= 0 && highlight <= last ? highlight : -1);
}

void MainWindow::BackgroundMouseMove() {
    highlight_.Ask(Highlight::kNoButton);
    RedrawButtons(Highlight::kNoButton);
}

void MainWindow::Picture1MouseMove(Int16 index) {
    highlight_.Ask(index);
    RedrawButtons(index);
}

// One interval after start-up: the column is drawn without a highlight.
void MainWindow::Timer1Timer() {
    highlight_.PaintAnew();
    RedrawButtons(Highlight::kNoButton);
    Timer1.SetEnabled(false);
}

void MainWindow::Picture1Click(int index) {
    const bool visible = Picture1(index).Visible();
    const std::string target = Entry(index).anw;
    if (target != kEndTarget && visible) {
        host_.Launch(target);
    } else {
        EndProgram();
    }
}

}  // namespace startart
