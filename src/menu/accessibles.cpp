// The main window as a screen reader presents it: the title picture, which
// opens the information window, and one push button per visible button,
// named by its label.
#include "menu/main_window.h"

namespace startart {

AccessibleItems MainWindow::Accessibles() const {
    AccessibleItems items;
    items.push_back(AccessibleItem{AccessibleItem::Role::kGraphic, settings.menu.titel, "Informationen", &Image1,
                                   &Image1, false, false});
    for (int i = 0; i < LaidOutButtons(); ++i) {
        if (Picture2(i).Visible()) {
            items.push_back(AccessibleItem{AccessibleItem::Role::kPushButton, Entry(i).button, "Drücken", &Picture2(i),
                                           &Picture1(i), i == highlight_.Lit(), !Picture1(i).AcceptsInput()});
        }
    }
    return items;
}

}  // namespace startart
