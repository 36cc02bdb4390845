#include "menu/button_lock.h"

#include "menu/main_window.h"

namespace startart {

void SetMenuButtonsEnabled(MainWindow& window, bool enabled) {
    for (int i = 0; i < kStoredButtons; ++i) {
        window.Picture1(i).SetEnabled(enabled);
    }
}

}  // namespace startart
