// Locking the menu buttons while a secondary window is open.
#pragma once

namespace startart {

class MainWindow;

// Enables or disables all fifteen button faces, whatever the button count.
// A disabled face reacts neither to the pointer nor to clicks.
void SetMenuButtonsEnabled(MainWindow& window, bool enabled);

}  // namespace startart
