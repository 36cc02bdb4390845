// The button column by keyboard. The keys move the same highlight as the
// pointer, through the same repaint, so the highlight is the focus cue, and
// Enter presses a button exactly as a click does. While the buttons are
// locked the keys reach none of them, as clicks do not.
#include "menu/main_window.h"

#include <algorithm>

namespace startart {

int MainWindow::LaidOutButtons() const {
    return std::clamp<int>(settings.menu.anzahl, 0, Picture2.Count());
}

bool MainWindow::KeyboardReaches(int index) const {
    return index >= 0 && index < LaidOutButtons() && Picture2(index).Visible() && Picture1(index).AcceptsInput();
}

void MainWindow::MoveHighlight(int step) {
    const int count = LaidOutButtons();
    if (count <= 0) {
        return;
    }
    // From no highlight, down starts at the first button and up at the last.
    const int lit = highlight_.Lit();
    int index = lit >= 0 ? lit : (step > 0 ? count - 1 : 0);
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (KeyboardReaches(index)) {
            highlight_.Renew(static_cast<Int16>(index));
            RedrawButtons(highlight_.Asked());
            AccessibleFocusMovedTo(Picture2(index));
            return;
        }
    }
}

void MainWindow::FormKeyDown(Key key, bool shift) {
    switch (key) {
        case Key::kDown:
            MoveHighlight(1);
            break;
        case Key::kUp:
            MoveHighlight(-1);
            break;
        case Key::kTab:
            MoveHighlight(shift ? -1 : 1);
            break;
        case Key::kEnter:
        case Key::kSpace:
            if (KeyboardReaches(highlight_.Lit())) {
                Picture1(highlight_.Lit()).RaiseClick();
            }
            break;
        case Key::kEscape:
            break;
    }
}

}  // namespace startart
