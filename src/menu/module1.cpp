#include "menu/module1.h"

#include "menu/form1.h"

namespace startart {

void SetMenuButtonsEnabled(Form1& form1, bool enabled) {
    for (int i = 0; i < kStoredButtons; ++i) {
        form1.Picture1(i).SetEnabled(enabled);
    }
}

}  // namespace startart
