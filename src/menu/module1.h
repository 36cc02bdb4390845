// Locking the menu buttons while a secondary window is open.
#pragma once

namespace startart {

class Form1;

// Enables or disables all fifteen button faces, whatever the button count.
// A disabled face reacts neither to the pointer nor to clicks.
void SetMenuButtonsEnabled(Form1& form1, bool enabled);

}  // namespace startart
